// File names as bin2ISO looks for them.
#pragma once

#include <string>

// A folder path that names may be appended to: the empty text (the current
// folder), or one that ends in a separator.
std::string AsFolder(const std::string& folder);

// The entry of `folder` named `name` without regard to case, or "".
std::string MatchWithoutCase(const std::string& folder, const std::string& name);
