#include "fleet/fleet_checks.h"

#include "compare/document_diff.h"
#include "link/clone_constants.h"
#include "link/link_messages.h"
#include "link/serial_port.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>
#include <vector>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace zem {

namespace fs = std::filesystem;

FileResult LoadFleetPlan(const std::string& path, RadioImage& plan) {
    std::ifstream in(fs::u8path(path), std::ios::binary);
    if (!in) return LoadProgramFile(PathFromUtf8(path), plan);  // its message says why the file cannot be read
    // Read to the end (up to a limit, so that an endless pipe ends too): only
    // the count of all bytes tells a program file from a longer file.
    constexpr std::size_t kLimit = 1 << 20;
    std::vector<char> bytes(kImageSize + 1);
    std::size_t count = 0;
    while (count <= kLimit && in) {
        if (count == bytes.size()) bytes.resize(std::min(bytes.size() * 4, kLimit + 1));
        in.read(bytes.data() + count, static_cast<std::streamsize>(bytes.size() - count));
        count += static_cast<std::size_t>(in.gcount());
        if (count > kLimit) break;
    }
    if (in.bad())
        return FileResult::failure(FileText(ZEM_TRANSLATE_NOOP("zem::File", "Cannot read the file \"%1\"."), {path}));
    if (count != kImageSize)
        return FileResult::failure(
            FileText(ZEM_TRANSLATE_NOOP("zem::File", "The file \"%1\" is not a program file: it holds %2 bytes, "
                                                    "a program file holds %3."),
                     {path,
                      count > kLimit ? FileText(ZEM_TRANSLATE_NOOP("zem::File", "more than %1"), {std::to_string(kLimit)})
                                     : Text(std::to_string(count)),
                      std::to_string(kImageSize)}));
    std::copy(bytes.begin(), bytes.begin() + kImageSize, plan.data());
    return FileResult::success();
}

FileResult CheckWritableFolder(const std::string& folder) {
    if (folder.empty()) return FileResult::failure(FileText(ZEM_TRANSLATE_NOOP("zem::File", "No folder given.")));
    try {
        const fs::path dir = fs::u8path(folder);
        std::error_code ec;
        fs::create_directories(dir, ec);
        if (!fs::is_directory(dir))
            return FileResult::failure(FileText(
                ZEM_TRANSLATE_NOOP("zem::File", "Cannot use the folder \"%1\": %2."),
                {folder, ec ? Text(ec.message()) : FileText(ZEM_TRANSLATE_NOOP("zem::File", "it is not a folder"))}));
        // The only sure test of a folder is a file made in it.
        std::random_device device;
        const fs::path probe = dir / (".zem-write-test-" + std::to_string(device()));
        bool written = static_cast<bool>(std::ofstream(probe, std::ios::binary) << 'x');
        fs::remove(probe, ec);
        if (!written)
            return FileResult::failure(
                FileText(ZEM_TRANSLATE_NOOP("zem::File", "Cannot write into the folder \"%1\"."), {folder}));
        return FileResult::success();
    } catch (const std::exception& error) {
        return FileResult::failure(FileText(ZEM_TRANSLATE_NOOP("zem::File", "Cannot use the folder \"%1\": %2"),
                                            {folder, std::string(error.what())}));
    }
}

std::string PortFileStem(const std::string& port) {
    std::string device = DeviceForPortName(port);
    if (device.empty()) device = port;
    std::string last, parent;
    std::string current;
    for (char c : device) {
        if (c == '/' || c == '\\') {
            if (!current.empty()) parent = current;
            current.clear();
        } else {
            current += c;
        }
    }
    last = current;
    if (!last.empty() && last.find_first_not_of("0123456789") == std::string::npos && !parent.empty())
        last = parent + "-" + last;
    for (char& c : last)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '_' && c != '.') c = '_';
    return last.empty() || last == "." || last == ".." ? "port" : last;
}

namespace {

// Creates path only when it does not exist; false with errorCode otherwise.
bool CreateNewFile(const fs::path& path, int& errorCode) {
#ifdef _WIN32
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        errorCode = error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS ? EEXIST : EACCES;
        return false;
    }
    CloseHandle(file);
#else
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "wx");  // "x": fails when the file exists (O_EXCL)
    if (!file) {
        errorCode = errno;
        return false;
    }
    std::fclose(file);
#endif
    return true;
}

}  // namespace

std::string ReserveNewFile(const std::string& base, const std::string& extension, Text& error) {
    for (int more = 1; more < 10000; ++more) {
        const std::string path = base + (more == 1 ? "" : "-" + std::to_string(more)) + extension;
        int code = 0;
        if (CreateNewFile(fs::u8path(path), code)) return path;
        if (code != EEXIST) {
            error = FileText(ZEM_TRANSLATE_NOOP("zem::File", "Cannot create \"%1\": %2."),
                             {path, std::generic_category().message(code)});
            return {};
        }
    }
    error = FileText(ZEM_TRANSLATE_NOOP("zem::File", "Cannot find a free name for \"%1\"."), {base + extension});
    return {};
}

FileResult CheckReportPath(const std::string& path, bool overwrite) {
    std::error_code ec;
    const fs::path file = fs::u8path(path);
    if (fs::is_directory(file, ec))
        return FileResult::failure(FileText(ZEM_TRANSLATE_NOOP("zem::File", "The report \"%1\" is a folder."), {path}));
    if (fs::exists(file, ec)) {
        if (!overwrite)
            return FileResult::failure(
                FileText(ZEM_TRANSLATE_NOOP("zem::File", "The report \"%1\" exists already."), {path}));
        if (!std::ofstream(file, std::ios::binary | std::ios::app))
            return FileResult::failure(
                FileText(ZEM_TRANSLATE_NOOP("zem::File", "Cannot write the report \"%1\"."), {path}));
        return FileResult::success();
    }
    int code = 0;
    if (!CreateNewFile(file, code))
        return FileResult::failure(FileText(ZEM_TRANSLATE_NOOP("zem::File", "Cannot write the report \"%1\": %2."),
                                            {path, std::generic_category().message(code)}));
    return FileResult::success();
}

std::string PortFileBase(const std::string& port, int portNumber) {
    return PortFileStem(port) + "-port" + std::to_string(portNumber);
}

std::string ReserveBackupPath(const std::string& folder, const std::string& port, int portNumber, int nth,
                              Text& error) {
    std::time_t now = std::time(nullptr);
    std::tm utc{};
#ifdef _WIN32
    gmtime_s(&utc, &now);
#else
    gmtime_r(&now, &utc);
#endif
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &utc);
    return ReserveNewFile(folder + "/" + PortFileBase(port, portNumber) + "-" + stamp + "-" + std::to_string(nth),
                          ".zem", error);
}

namespace {

// What names one device, so two spellings of a port compare equal.
std::string DeviceKey(const std::string& port) {
    std::string device = DeviceForPortName(port);
    if (device.empty()) device = port;
#ifdef _WIN32
    if (device.rfind("\\\\.\\", 0) == 0) device = device.substr(4);
    for (char& c : device) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
#else
    std::error_code ec;
    fs::path canonical = fs::canonical(device, ec);
    if (!ec) device = canonical.string();
#endif
    return device;
}

}  // namespace

std::vector<std::size_t> FirstOfSamePort(const std::vector<std::string>& ports) {
    std::vector<std::string> keys;
    std::vector<std::size_t> first;
    for (std::size_t i = 0; i < ports.size(); ++i) {
        keys.push_back(DeviceKey(ports[i]));
        std::size_t same = i;
        for (std::size_t j = 0; j < i; ++j)
            if (keys[j] == keys[i]) {
                same = j;
                break;
            }
        first.push_back(same);
    }
    return first;
}

Text DescribeMismatch(const RadioImage& plan, const RadioImage& radio) {
    std::size_t offset = 0;
    while (offset < kTransferEnd && plan[offset] == radio[offset]) ++offset;
    if (offset == kTransferEnd) return {};
    const std::size_t block = offset / kBlockSize;
    const std::size_t first = block * kBlockSize;
    // The plan with only this block as the radio holds it: its differences
    // are exactly what the block means on the pages.
    RadioImage mixed = plan;
    std::copy(radio.data() + first, radio.data() + first + kBlockSize, mixed.data() + first);
    const std::vector<Difference> lines = DocumentDifferences(plan, mixed);
    auto hex = [](std::size_t value) {
        char text[32];  // room for the widest numbers a size_t holds
        std::snprintf(text, sizeof text, "0x%03zX", value);
        return std::string(text);
    };
    const std::vector<Text> where = {std::to_string(block), hex(first), hex(first + kBlockSize - 1)};
    // The block's first two differences in the pages' words, each side named.
    std::vector<Text> found;
    for (std::size_t i = 0; i < lines.size() && i < 2; ++i) {
        const Difference& parts = lines[i];
        found.push_back(LinkText(ZEM_TRANSLATE_NOOP("zem::Link", "%1: plan: %2, radio: %3"),
                                 {parts.where, parts.before, parts.after}));
    }
    if (lines.size() > 2) found.push_back(std::string("..."));
    if (found.empty()) return LinkText(ZEM_TRANSLATE_NOOP("zem::Link", "block %1 (%2-%3) differs"), where);
    std::vector<Text> values = where;
    values.push_back(Text::Joined(std::move(found), "; "));
    return LinkText(ZEM_TRANSLATE_NOOP("zem::Link", "block %1 (%2-%3) differs: %4"), std::move(values));
}

}  // namespace zem
