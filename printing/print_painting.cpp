#include "printing/print_painting.h"

#include <QImage>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "printing/print_geometry.h"

namespace dw {
namespace {

const char* const kJobName = "Bitmap Printing Test";

// The surface keeps its rows bottom-up in blue, green, red order.
QImage imageOf(const Surface& surface) {
    QImage image(int(surface.width()), int(surface.height()), QImage::Format_RGB888);
    const uint32_t step = surface.bytesPerPixel();
    for (uint32_t y = 0; y < surface.height(); ++y) {
        const uint8_t* source = surface.row(y);
        uint8_t* target = image.scanLine(int(y));
        for (uint32_t x = 0; x < surface.width(); ++x, source += step, target += 3) {
            target[0] = source[2];
            target[1] = source[1];
            target[2] = source[0];
        }
    }
    return image;
}

}  // namespace

bool printPaintingOn(AppState& state, QPrinter& printer) {
    state.painting.shadeAll();
    const Surface& surface = state.painting.surface();
    if (!surface.valid()) {
        return false;
    }
    const QImage image = imageOf(surface);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    // The painter's origin is the printable area's corner, as the sizes are the area's.
    const PrintPlacement place =
        placeOnPage(surface.width(), surface.height(), printer.width(), printer.height());
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(int(place.x), int(place.y), int(place.width), int(place.height)),
                      image);
    return painter.end();
}

void PrintPainting(AppState& state) {
    // A new printer starts on the default one: choices made last time are not carried over.
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(kJobName);
    QPrintDialog dialog(&printer);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    printer.setFromTo(1, 1);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    printPaintingOn(state, printer);
}

void PageSetupCommand() {
    QPrinter printer(QPrinter::HighResolution);
    QPageSetupDialog dialog(&printer);
    dialog.exec();
}

}  // namespace dw
