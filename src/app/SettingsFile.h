#pragma once
// The settings file beside the profile. Nothing reads its contents; the
// main window only makes sure it is there, as earlier versions did.

#include <filesystem>

namespace quoril {

// Opens the file for reading and writing, creating it empty when missing and
// never truncating it; reads up to six lines when it is not empty. Returns
// the number of lines read, or -1 when the file could be neither opened nor
// created, which is no error.
int TouchSettingsFile(const std::filesystem::path& path);

}  // namespace quoril
