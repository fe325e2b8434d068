#include "app/batch/batch_step.h"

namespace dw::batch {

void addFilterSteps(std::vector<StepSpec>&) {}

}  // namespace dw::batch
