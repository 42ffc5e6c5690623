// Path helpers. They look at characters alone: nothing is checked on disk,
// nothing is folded or normalised.
#pragma once

#include <string>

// The path up to and including its last ':', '\' or '/'; empty when it has none.
std::string FolderOf(const std::string& path);

// The last path component: what follows FolderOf(path).
std::string NameOf(const std::string& path);

// The path with the extension of its last component replaced by `extension`
// (which includes its dot), or with `extension` appended when that component
// has no dot. Dots in folder names are never touched.
std::string ReplaceExtension(const std::string& path, const std::string& extension);
