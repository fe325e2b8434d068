#pragma once

namespace dw {

// The program a person runs: start-up, the main loop until the frame is closed, shut-down.
int runProgram(int argc, char** argv);

}  // namespace dw
