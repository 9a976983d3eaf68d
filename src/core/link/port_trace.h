#pragma once

#include "link/serial_port.h"
#include "text.h"

#include <filesystem>
#include <memory>
#include <string>

namespace zem {

// Wraps a port so that every byte sent and received, every purge and the
// close go to a log file with the time since the open and the direction:
// what a user attaches to a question about a radio that does not answer.
// Lines are appended, in English whatever the window's language; when the
// log cannot be opened the port is returned untraced and error says why.
std::unique_ptr<SerialPort> TraceSerialPort(std::unique_ptr<SerialPort> port, const std::filesystem::path& logPath,
                                            const std::string& portName, Text& error);

}  // namespace zem
