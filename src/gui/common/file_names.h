#pragma once

// The window's one way between a file name it shows (a QString) and the
// path the core opens: never through the local 8-bit code page, which on
// Windows cannot hold a folder named "张伟" under code page 1252 or "José"
// under 936. Every call into the core with a file name goes through here.

#include <QString>

#include <filesystem>

namespace zem::gui {

std::filesystem::path FilePath(const QString& name);
QString FileNameText(const std::filesystem::path& path);

}  // namespace zem::gui
