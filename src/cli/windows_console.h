#pragma once

// zemtool's text on Windows. Its arguments are read from the wide command
// line and turned into UTF-8, the encoding of every text inside the program,
// so that a file name in any script survives whatever the ANSI code page;
// text for a console window goes out as UTF-16 for the same reason. Output
// redirected to a file or a pipe stays UTF-8 bytes, as on other systems.

#include <string>
#include <vector>

namespace zem::cli {

// The arguments after the program's name, as UTF-8.
std::vector<std::string> WideCommandLineArguments();

// Sends std::cout and std::cerr through WriteConsoleW where they are a
// console window.
void WriteConsoleAsUnicode();

}  // namespace zem::cli
