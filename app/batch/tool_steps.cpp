#include "app/batch/batch_step.h"

namespace dw::batch {

void addToolSteps(std::vector<StepSpec>&) {}

}  // namespace dw::batch
