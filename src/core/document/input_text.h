#pragma once

#include "document/program_file.h"

#include <cstdint>
#include <filesystem>
#include <istream>
#include <string>

namespace zem {

// Texts the user hands in (a plan text, a channel list, a memory list) and
// values from them quoted back in messages.

// The largest text taken: a whole plan is a few kilobytes and a memory
// list of a thousand rows about a hundred, so anything above is no such
// text, and parsing it would cost seconds and gigabytes.
constexpr std::uintmax_t kMaxInputTextBytes = 1000000;

// Refuses, before anything is read, a folder and a file above
// kMaxInputTextBytes given as a text; what names the kind of text for the
// message ("a plan text", "a channel list"), a marked text or a value.
FileResult CheckInputFile(const std::filesystem::path& path, const Text& what);

// "plan.yaml is 52 MB; a plan text is at most 1 MB"
Text TooLargeText(const std::string& name, std::uintmax_t size, const Text& what);

// Reads the text at path into text. what names the kind of text for the
// refusals ("a plan text", "a channel list"). A folder, a file that cannot
// be read and a file above kMaxInputTextBytes are refused with a message,
// the size before anything is read; text is then left as it was.
FileResult ReadInputText(const std::filesystem::path& path, const Text& what, std::string& text);

// The same for a stream (standard input); name stands for it in messages.
FileResult ReadInputText(std::istream& in, const std::string& name, const Text& what, std::string& text);

// "52 MB", "1.1 MB", "840 KB": a file size for a message, never below the
// size (so a file just above a bound never reads as the bound).
std::string SizeText(std::uintmax_t bytes);

// A value from the user's text as a message quotes it (without the quotes):
// at most kShownValueLength characters, then "…"; bytes that are not UTF-8
// and control characters shown as \xNN, so a message is one line of valid
// text whatever the file held.
constexpr std::size_t kShownValueLength = 60;
std::string ShownValue(const std::string& value);

}  // namespace zem
