#pragma once

#include <QDialog>
#include <cstddef>
#include <cstdint>

class QLabel;
class QSpinBox;

namespace dw {

// Edit > Undo Steps...: how many steps Undo may go back, with what a step of the current
// painting may cost in memory (a filter keeps the whole painting, a stroke what it touched).
class UndoStepsDialog : public QDialog {
  public:
    UndoStepsDialog(uint32_t steps, std::size_t bytesPerStep, QWidget* parent);

    uint32_t steps() const;
    QSpinBox& stepsBox() { return *box_; }
    const QLabel& costLabel() const { return *cost_; }

  private:
    void showCost();

    std::size_t bytesPerStep_;
    QSpinBox* box_;
    QLabel* cost_;
};

}  // namespace dw
