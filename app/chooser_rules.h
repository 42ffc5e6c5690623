// The rules of the two "..." buttons that need no window.
#pragma once

#include <string>

// The open dialog's filter ("display|pattern|...") for a conversion mode, or
// nullptr for a mode that has none.
const char* FilterForMode(int mode);

// The folder that the folder dialog opens on, from the target field's text:
// that text less one trailing backslash, but a bare drive's root ("C:" and
// "C:\" both give "C:\").
std::string InitialFolderFor(const std::string& target);
