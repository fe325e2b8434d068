#include "gui/desktop_viewer.h"

#include <QProcess>
#include <QUrl>

namespace dw {
namespace {

// Long enough for an opener that hands the file to a running desktop, short enough that the
// program does not seem to hang while a viewer it started holds the opener.
constexpr int kAnswerMilliseconds = 2000;

}  // namespace

bool showInDesktopViewer(const std::string& path) {
    auto* opener = new QProcess;
    opener->setStandardInputFile(QProcess::nullDevice());
    opener->setStandardOutputFile(QProcess::nullDevice());
    opener->setStandardErrorFile(QProcess::nullDevice());
    opener->start(QStringLiteral("xdg-open"),
                  {QUrl::fromLocalFile(QString::fromStdString(path)).toString()});
    if (!opener->waitForStarted(kAnswerMilliseconds)) {
        delete opener;
        return false;
    }
    if (opener->waitForFinished(kAnswerMilliseconds)) {
        const bool shown = opener->exitStatus() == QProcess::NormalExit && opener->exitCode() == 0;
        delete opener;
        return shown;
    }
    // Ending the opener would close the viewer it runs; it goes when the viewer does.
    QObject::connect(opener, &QProcess::finished, opener, &QObject::deleteLater);
    return true;
}

}  // namespace dw
