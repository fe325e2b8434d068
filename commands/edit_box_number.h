#pragma once

#include <string_view>

namespace dw {

// An edit box read as an unsigned number: spaces around it are allowed, anything else that
// is not a digit, or a number past 4294967295, reads as 0. Values past the int range are
// held at its top; the size check refuses them all the same.
int editBoxNumber(std::string_view text);

}  // namespace dw
