#pragma once

#include "document/program_file.h"
#include "document/radio_image.h"
#include "text.h"

#include <string>
#include <vector>

namespace zem {

// What a fleet run checks before it touches any radio, and how it names its
// files.

// Loads the plan every radio of a fleet gets. Stricter than opening a file
// in the window: a file that is not exactly the 1024 bytes of a program file
// is refused, so a wrong file is never spread over many radios. The bytes are
// counted as they are read, so a pipe is checked as a file is.
FileResult LoadFleetPlan(const std::string& path, RadioImage& plan);

// Creates the file "<base><extension>", or when that exists "<base>-2<extension>",
// "-3" ..., with exclusive access, so that no two radios or runs ever get
// one name and no file is ever replaced. The path made, or "" with error set.
std::string ReserveNewFile(const std::string& base, const std::string& extension, Text& error);

// Checked before any radio is touched: the report can be written at path.
// A folder is refused, and so is an existing file unless overwrite; a new
// name is reserved (an empty file is made) so that nobody else takes it.
FileResult CheckReportPath(const std::string& path, bool overwrite);

// Makes sure files can be created in folder (creating the folder when it
// does not exist yet); the message says why not.
FileResult CheckWritableFolder(const std::string& folder);

// A short name of a port for file names and messages: "ttyUSB0" for
// /dev/ttyUSB0, "pts-3" for /dev/pts/3, "COM10" for \\.\COM10.
std::string PortFileStem(const std::string& port);

// The start of a file name of the port that is the portNumber-th of a run:
// "<port>-port<portNumber>". The number tells apart ports whose paths end in
// the same name (a/radio and b/radio, /dev/serial/by-path/...).
std::string PortFileBase(const std::string& port, int portNumber);

// Reserves the backup file of the radio that is the nth on its port: in
// folder, "<port>-port<k>-<yyyymmdd-hhmmss>-<n>.zem" in UTC (see
// ReserveNewFile). "" with error set when it cannot be made.
std::string ReserveBackupPath(const std::string& folder, const std::string& port, int portNumber, int nth,
                              Text& error);

// The ports that stand for one device: a port number and its device path, a
// symbolic link and the device it points at. For each port, the index of
// the first port that is the same device, or its own index.
std::vector<std::size_t> FirstOfSamePort(const std::vector<std::string>& ports);

// Where the radio's bytes 0x000-0x3CF differ from the plan: the first
// differing block and what it holds in the user's words, each side named, e.g.
// "block 3 (0x018-0x01F) differs: channel 1 Name: plan: D626I, radio: (empty)".
// Empty when they are the same. The places are the pages' words, values.
Text DescribeMismatch(const RadioImage& plan, const RadioImage& radio);

}  // namespace zem
