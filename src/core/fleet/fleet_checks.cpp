#include "fleet/fleet_checks.h"

#include "document/document_diff.h"
#include "link/clone_constants.h"
#include "link/serial_port.h"

#include <cctype>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

namespace zem {

namespace fs = std::filesystem;

FileResult LoadFleetPlan(const fs::path& file, RadioImage& plan) {
    std::error_code ec;
    if (fs::is_regular_file(file, ec)) {
        const auto size = fs::file_size(file, ec);
        if (!ec && size != kImageSize)
            return FileResult::failure("The file \"" + PathText(file) + "\" is not a program file: it holds " +
                                       std::to_string(size) + " bytes, a program file holds " +
                                       std::to_string(kImageSize) + ".");
    }
    return LoadProgramFile(file, plan);
}

FileResult CheckWritableFolder(const fs::path& dir) {
    if (dir.empty()) return FileResult::failure("No folder given.");
    const std::string folder = PathText(dir);
    try {
        std::error_code ec;
        fs::create_directories(dir, ec);
        if (!fs::is_directory(dir))
            return FileResult::failure("Cannot use the folder \"" + folder + "\": " +
                                       (ec ? ec.message() : std::string("it is not a folder")) + ".");
        // The only sure test of a folder is a file made in it.
        std::random_device device;
        const fs::path probe = dir / (".zem-write-test-" + std::to_string(device()));
        bool written = static_cast<bool>(std::ofstream(probe, std::ios::binary) << 'x');
        fs::remove(probe, ec);
        if (!written) return FileResult::failure("Cannot write into the folder \"" + folder + "\".");
        return FileResult::success();
    } catch (const std::exception& error) {
        return FileResult::failure("Cannot use the folder \"" + folder + "\": " + error.what());
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

fs::path BackupPathFor(const fs::path& folder, const std::string& port, int nth) {
    std::time_t now = std::time(nullptr);
    std::tm utc{};
#ifdef _WIN32
    gmtime_s(&utc, &now);
#else
    gmtime_r(&now, &utc);
#endif
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &utc);
    // The stem is plain ASCII, so it joins the folder's name as it is.
    const std::string base = PortFileStem(port) + "-" + stamp + "-" + std::to_string(nth);
    fs::path path = folder / (base + ".zem");
    std::error_code ec;
    for (int more = 2; fs::exists(path, ec); ++more) path = folder / (base + "-" + std::to_string(more) + ".zem");
    return path;
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

std::string DescribeMismatch(const RadioImage& plan, const RadioImage& radio) {
    std::size_t offset = 0;
    while (offset < kTransferEnd && plan[offset] == radio[offset]) ++offset;
    if (offset == kTransferEnd) return {};
    const std::size_t block = offset / kBlockSize;
    const std::size_t first = block * kBlockSize;
    // The plan with only this block as the radio holds it: its differences
    // are exactly what the block means on the pages.
    RadioImage mixed = plan;
    std::copy(radio.data() + first, radio.data() + first + kBlockSize, mixed.data() + first);
    std::vector<std::string> lines = DiffDocuments(plan, mixed);
    char where[96];  // room for the widest numbers a size_t holds
    std::snprintf(where, sizeof where, "block %zu (0x%03zX-0x%03zX) differs", block, first, first + kBlockSize - 1);
    std::string text = where;
    for (std::size_t i = 0; i < lines.size() && i < 2; ++i) text += (i == 0 ? ": " : "; ") + lines[i];
    if (lines.size() > 2) text += "; ...";
    return text;
}

}  // namespace zem
