#pragma once

#include "document/program_file.h"
#include "document/radio_image.h"

#include <filesystem>
#include <string>
#include <vector>

namespace zem {

// What a fleet run checks before it touches any radio, and how it names its
// files.

// Loads the plan every radio of a fleet gets. Stricter than opening a file
// in the window: a file that is not exactly the 1024 bytes of a program file
// is refused, so a wrong file is never spread over many radios.
FileResult LoadFleetPlan(const std::filesystem::path& path, RadioImage& plan);

// Makes sure files can be created in folder (creating the folder when it
// does not exist yet); the message says why not.
FileResult CheckWritableFolder(const std::filesystem::path& folder);

// A short name of a port for file names and messages: "ttyUSB0" for
// /dev/ttyUSB0, "pts-3" for /dev/pts/3, "COM10" for \\.\COM10.
std::string PortFileStem(const std::string& port);

// The backup file of the radio that is the nth on its port: in folder,
// "<port>-<yyyymmdd-hhmmss>-<n>.zem" in UTC, with a further "-2", "-3" ...
// when such a file exists already. Never an existing file.
std::filesystem::path BackupPathFor(const std::filesystem::path& folder, const std::string& port, int nth);

// The ports that stand for one device: a port number and its device path, a
// symbolic link and the device it points at. For each port, the index of
// the first port that is the same device, or its own index.
std::vector<std::size_t> FirstOfSamePort(const std::vector<std::string>& ports);

// Where the radio's bytes 0x000-0x3CF differ from the plan: the first
// differing block and what it holds in the user's words, e.g.
// "block 3 (0x018-0x01F) differs: channel 1 Transmit: 136.05000 -> 136.10000".
// Empty when they are the same.
std::string DescribeMismatch(const RadioImage& plan, const RadioImage& radio);

}  // namespace zem
