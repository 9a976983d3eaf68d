#pragma once

#include "document/radio_image.h"
#include "text.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace zem {

// File names. A name never passes through the system's 8-bit code page,
// which on Windows cannot hold most names (a folder "张伟" under code page
// 1252, "José" under 936). The file functions of the core (these below, the
// port trace, the link session) take a std::filesystem::path, built
// - from UTF-8 text (zemtool's arguments, which it takes from the wide
//   command line on Windows) with PathFromUtf8;
// - in the window from a QString with zem::gui::FilePath (the window's
//   common/file_names.h).
// The fleet layer keeps its names as UTF-8 text, since they also go into its
// report, and converts with PathFromUtf8 (fs::u8path) at each file it opens.
// Never construct a path straight from a std::string or a char*: on Windows
// that reads the bytes in the ANSI code page. Messages name a file with
// PathText, which gives UTF-8 like every other text of the core.
std::filesystem::path PathFromUtf8(const std::string& text);
std::string PathText(const std::filesystem::path& path);

// The outcome of a file operation: ok, or the message to show the user:
// text for the window to translate, message its English.
struct FileResult {
    bool ok = false;
    std::string message;
    Text text;

    FileResult() = default;
    FileResult(bool ok_, std::string message_, Text text_ = {})
        : ok(ok_), message(std::move(message_)), text(std::move(text_)) {}

    static FileResult success() { return {true, {}, {}}; }
    static FileResult failure(std::string english) {
        Text plain(english);
        return {false, std::move(english), std::move(plain)};
    }
    static FileResult failure(Text text) {
        std::string english = text.english();
        return {false, std::move(english), std::move(text)};
    }
    // What the window shows: text, or the message when only that was given.
    Text said() const { return text.empty() ? Text(message) : text; }
};

// A file message with its values, marked in context kTextFile ("zem::File").
inline Text FileText(const char* source, std::vector<Text> values = {}) {
    return Text(kTextFile, source, std::move(values));
}

// Loads a program file (the 1024 image bytes, nothing else) into image.
// A file longer than 1024 bytes loads its first 1024. A file that cannot be
// read or is shorter than 1024 bytes (the empty file included) is refused
// with a message, and image is left exactly as it was.
FileResult LoadProgramFile(const std::filesystem::path& path, RadioImage& image);

// Saves image as a program file. The bytes go to a temporary file beside the
// target, are flushed, and the temporary file is renamed over the target, so
// a failed save reports its error and leaves the previous file intact.
FileResult SaveProgramFile(const std::filesystem::path& path, const RadioImage& image);

// Writes any bytes to path atomically, with the same temporary-file and
// rename steps as SaveProgramFile (CSV exports and other outputs use it).
FileResult WriteFileAtomically(const std::filesystem::path& path, const std::string& contents);

// A file as it was when a document last read or wrote it, to tell later
// whether another program changed it since.
struct FileStamp {
    bool exists = false;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type written{};
    std::string sha256;  // of the whole file

    bool operator==(const FileStamp& other) const {
        return exists == other.exists && size == other.size && written == other.written && sha256 == other.sha256;
    }
    bool operator!=(const FileStamp& other) const { return !(*this == other); }
};

// The file at path now; exists is false for a missing file or a folder.
// The content is hashed only up to readLimit bytes (a larger file gets no
// hash), so a file grown huge behind the document costs no more than its size.
FileStamp StampFile(const std::filesystem::path& path, std::uintmax_t readLimit = std::uintmax_t(1) << 24);

// Whether the file at path holds other bytes than when before was taken:
// another size, or the same size with other content. A file only touched
// (new time, same bytes) is unchanged; a file that was not there before or
// is gone now is not one anybody's work would be lost in, and counts as
// unchanged too.
bool ChangedOnDisk(const FileStamp& before, const std::filesystem::path& path);

}  // namespace zem
