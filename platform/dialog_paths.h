#pragma once

#include <string>

namespace dw::platform {

// The kinds of file dialog; each opens where the last one of its kind served.
enum class DialogPlace { Painting, Import, Export, Lists };

// The path a dialog of this kind last served, else the user's Pictures folder (or home): never
// the program's own folder, which is the working directory.
std::string dialogStartPath(DialogPlace place);
// Called once the file was read or written, so that a failed choice is not offered again.
void rememberDialogPath(DialogPlace place, const std::string& path);
void forgetDialogPaths();

}  // namespace dw::platform
