#pragma once

#include "document/radio_image.h"

#include <string>

namespace zem {

// The outcome of a file operation: ok, or the message to show the user.
struct FileResult {
    bool ok = false;
    std::string message;

    static FileResult success() { return {true, {}}; }
    static FileResult failure(std::string text) { return {false, std::move(text)}; }
};

// Loads a program file (the 1024 image bytes, nothing else) into image.
// A file longer than 1024 bytes loads its first 1024. A file that cannot be
// read or is shorter than 1024 bytes (the empty file included) is refused
// with a message, and image is left exactly as it was.
FileResult LoadProgramFile(const std::string& path, RadioImage& image);

// Saves image as a program file. The bytes go to a temporary file beside the
// target, are flushed, and the temporary file is renamed over the target, so
// a failed save reports its error and leaves the previous file intact.
FileResult SaveProgramFile(const std::string& path, const RadioImage& image);

// Writes any bytes to path atomically, with the same temporary-file and
// rename steps as SaveProgramFile (CSV exports and other outputs use it).
FileResult WriteFileAtomically(const std::string& path, const std::string& contents);

}  // namespace zem
