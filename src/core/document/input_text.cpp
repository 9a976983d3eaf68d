#include "document/input_text.h"

#include <fstream>
#include <system_error>

namespace zem {

namespace fs = std::filesystem;

namespace {

Text TooLarge(const std::string& name, Text size, const Text& what)
{
    return FileText(ZEM_TRANSLATE_NOOP("zem::File", "%1 is %2; %3 is at most %4"), {name, std::move(size), what, SizeText(kMaxInputTextBytes)});
}

// Reads at most one byte beyond the bound, so a stream without a size
// (a pipe) costs no more than a file that is refused by its size.
bool ReadBounded(std::istream& in, std::string& text)
{
    std::string read;
    char chunk[65536];
    while (in && read.size() <= kMaxInputTextBytes) {
        in.read(chunk, sizeof chunk);
        read.append(chunk, static_cast<std::size_t>(in.gcount()));
    }
    text.swap(read);
    return text.size() <= kMaxInputTextBytes;
}

// The length of the UTF-8 sequence starting at s[i], 0 when it is not one
// (overlong forms, surrogates and values above U+10FFFF included).
std::size_t Utf8Length(const std::string& s, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (i + length > s.size() || byte(i + 1) < low || byte(i + 1) > high)
        return 0;
    for (std::size_t k = 2; k < length; ++k) {
        if (byte(i + k) < 0x80 || byte(i + k) > 0xBF)
            return 0;
    }
    return length;
}

}  // namespace

std::string SizeText(std::uintmax_t bytes)
{
    // Up to the next tenth below ten units (a file just above a bound never
    // reads as the bound), to the nearest whole unit above.
    const auto shown = [bytes](std::uintmax_t unit, const char* name) {
        const std::uintmax_t tenths = (bytes * 10 + unit - 1) / unit;
        if (tenths >= 100)
            return std::to_string((bytes + unit / 2) / unit) + " " + name;
        std::string text = std::to_string(tenths / 10);
        if (tenths % 10 != 0)
            text += "." + std::to_string(tenths % 10);
        return text + " " + name;
    };
    if (bytes >= 1000000)
        return shown(1000000, "MB");
    if (bytes >= 1000)
        return shown(1000, "KB");
    return std::to_string(bytes) + (bytes == 1 ? " byte" : " bytes");
}

Text TooLargeText(const std::string& name, std::uintmax_t size, const Text& what)
{
    return TooLarge(name, SizeText(size), what);
}

FileResult ReadInputText(std::istream& in, const std::string& name, const Text& what, std::string& text)
{
    std::string read;
    if (!ReadBounded(in, read))
        return FileResult::failure(
            TooLarge(name, FileText(ZEM_TRANSLATE_NOOP("zem::File", "more than %1"), {SizeText(kMaxInputTextBytes)}), what));
    if (in.bad())
        return FileResult::failure(FileText(ZEM_TRANSLATE_NOOP("zem::File", "%1: read error"), {name}));
    text.swap(read);
    return FileResult::success();
}

FileResult CheckInputFile(const fs::path& path, const Text& what)
{
    const std::string name = PathText(path);
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (fs::is_directory(status))
        return FileResult::failure(FileText(ZEM_TRANSLATE_NOOP("zem::File", "%1 is a folder, not %2"), {name, what}));
    if (fs::is_regular_file(status)) {
        const std::uintmax_t size = fs::file_size(path, ec);
        if (!ec && size > kMaxInputTextBytes)
            return FileResult::failure(TooLarge(name, SizeText(size), what));
    }
    return FileResult::success();
}

FileResult ReadInputText(const fs::path& path, const Text& what, std::string& text)
{
    if (FileResult checked = CheckInputFile(path, what); !checked.ok)
        return checked;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return FileResult::failure(FileText(ZEM_TRANSLATE_NOOP("zem::File", "%1: cannot be opened for reading"), {PathText(path)}));
    return ReadInputText(in, PathText(path), what, text);
}

std::string ShownValue(const std::string& value)
{
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < value.size();) {
        if (characters == kShownValueLength)
            return out + "…";
        const unsigned char lead = static_cast<unsigned char>(value[i]);
        const std::size_t length = Utf8Length(value, i);
        if (length == 0 || lead < 0x20 || lead == 0x7F) {
            out += "\\x";
            out += kHex[lead >> 4];
            out += kHex[lead & 0xF];
            i += 1;
        } else {
            out.append(value, i, length);
            i += length;
        }
        ++characters;
    }
    return out;
}

}  // namespace zem
