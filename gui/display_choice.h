#pragma once

namespace dw {

// Picks the display the program opens its windows on, before Qt starts. The program places
// its splash and floating panels at screen positions, which Wayland does not let a program
// do, so X11 (XWayland on a Wayland desktop) is preferred where it exists; a platform the
// user chose stays. False, with the reason on standard error, when there is no display.
bool chooseDisplay();

}  // namespace dw
