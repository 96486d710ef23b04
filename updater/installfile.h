#pragma once

#include <string>
#include <string_view>

// Puts a downloaded file in place: the bytes go to a temporary file in the
// same folder, which is renamed over `folder/name` only when all of them were
// written. The replaced file's permissions carry over (an updated program
// stays executable). On failure the installed file is untouched and no
// temporary file is left. `name` must be a plain file name.
bool InstallFile(const std::string& folder, const std::string& name, std::string_view bytes);
