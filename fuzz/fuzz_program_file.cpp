// Feeds arbitrary files to the program file loader, then runs every page's
// fill and store and the diff over whatever image was loaded. Any image a
// radio or a file can hold must come through without a fault, and a refused
// file must leave the image as it was.
#include "channels/channel_codec.h"
#include "channels/channel_csv.h"
#include "compare/document_diff.h"
#include "document/program_file.h"
#include "messenger.h"
#include "pages/key_values.h"
#include "pages/option_values.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

// The loader reads from a path, so each input goes through one file of this
// process (in memory where the system offers a RAM disk), removed at exit.
struct ScratchFile {
    std::string path;
    ScratchFile() {
        const char* folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        path = std::string(folder) + "/fuzz_program_file." + std::to_string(getpid()) + ".zem";
    }
    ~ScratchFile() { std::remove(path.c_str()); }
};

const std::string& ScratchPath() {
    static const ScratchFile file;
    return file.path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& path = ScratchPath();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return 0;
    const bool written = size == 0 || std::fwrite(data, 1, size, file) == size;
    std::fclose(file);
    if (!written) return 0;

    zem::RadioImage image;
    image[0x3E0] = 0x5A;  // a mark that a refused load must not disturb
    const zem::RadioImage before = image;
    const zem::FileResult result = zem::LoadProgramFile(path, image);
    if (result.ok != (size >= zem::kImageSize)) __builtin_trap();
    if (!result.ok) {
        if (image != before || result.message.empty()) __builtin_trap();
        return 0;
    }
    if (std::memcmp(image.data(), data, zem::kImageSize) != 0) __builtin_trap();

    zem::PagesSnapshot pages = zem::FillPages(image);
    (void)zem::ExportChannelsCsv(pages.channels.cells);
    (void)zem::OptionTexts(pages.options);
    (void)zem::KeyTexts(pages.keys);

    zem::RadioImage stored = image;
    zem::SilentMessenger silent;
    zem::StoreToImage(pages.channels, stored);
    zem::StoreToImage(pages.options, stored, silent);
    zem::StoreToImage(pages.keys, stored);
    // A store writes only the pages' own bytes: the kept rows stay.
    for (std::size_t offset = 0x3D0; offset < zem::kImageSize; ++offset) {
        if (stored[offset] != image[offset]) __builtin_trap();
    }
    (void)zem::DiffDocuments(image, stored);
    return 0;
}
