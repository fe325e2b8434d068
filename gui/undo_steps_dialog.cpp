#include "gui/undo_steps_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "canvas/undo_history.h"
#include "platform/qt/dialog_window.h"

namespace dw {
namespace {

QString megabytes(std::size_t bytes) {
    constexpr std::size_t kMegabyte = std::size_t(1) << 20;
    if (bytes < kMegabyte) {
        return QStringLiteral("less than 1 MB");
    }
    return QStringLiteral("about %1 MB").arg((bytes + kMegabyte / 2) / kMegabyte);
}

}  // namespace

UndoStepsDialog::UndoStepsDialog(uint32_t steps, std::size_t bytesPerStep, QWidget* parent)
    : QDialog(parent, platform::kDialogWindowFlags),
      bytesPerStep_(bytesPerStep),
      box_(new QSpinBox(this)),
      cost_(new QLabel(this)) {
    setWindowTitle(QStringLiteral("Undo Steps"));
    setMinimumWidth(360);
    box_->setRange(1, int(UndoHistory::kMostSteps));
    box_->setValue(int(steps));
    cost_->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Undo steps (1 to %1):").arg(UndoHistory::kMostSteps), box_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(cost_);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(box_, &QSpinBox::valueChanged, this, [this] { showCost(); });
    showCost();
    box_->selectAll();
}

uint32_t UndoStepsDialog::steps() const {
    return uint32_t(box_->value());
}

void UndoStepsDialog::showCost() {
    cost_->setText(QStringLiteral("A step of this painting holds %1 at most (a filter keeps the "
                                  "whole painting, a stroke only what it touched); %2 steps: "
                                  "%3 at most.")
                       .arg(megabytes(bytesPerStep_))
                       .arg(steps())
                       .arg(megabytes(bytesPerStep_ * steps())));
}

}  // namespace dw
