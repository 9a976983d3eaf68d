// Runs `zemtool memories import` on arbitrary text into a band 0 program
// file, with or without --clear and --skip-refused. A refused list must leave no output file; an accepted one may only
// leave frequencies the band accepts, and its table exported as a memory
// list must import back to the same table.
#include "channels/band.h"
#include "channels/channel_codec.h"
#include "channels/channel_commit.h"
#include "channels/memory_list.h"
#include "cli/file_commands.h"
#include "document/program_file.h"
#include "fuzz_support.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

// The scratch folder, holding base.zem: a band 0 program file.
const std::filesystem::path& Folder() {
    static const std::filesystem::path& path = []() -> const std::filesystem::path& {
        const auto& folder = zem::fuzz::ScratchFolder("fuzz_memory_list");
        zem::RadioImage image = zem::NewDocumentImage();
        zem::SilentMessenger silent;
        zem::ApplyChannelDefaults(image, 0, 0, silent);
        zem::SaveProgramFile((folder / "base.zem").string(), image);
        return folder;
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto base = (Folder() / "base.zem").string();
    const auto in = (Folder() / "in.csv").string();
    const auto out = (Folder() / "out.zem").string();
    std::ofstream(in, std::ios::binary).write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    std::filesystem::remove(out);

    std::ostringstream said;
    zem::cli::Io io{said, said};
    // The first byte also picks the options: bit 0 --clear, bit 1 --skip-refused.
    std::vector<std::string> args = {"import", base, in, "-o", out};
    if (size > 0 && data[0] & 1) args.push_back("--clear");
    if (size > 0 && data[0] & 2) args.push_back("--skip-refused");
    const int status = zem::cli::FileCommand("memories").run(args, io);
    if (status != 0) {
        if (std::filesystem::exists(out)) __builtin_trap();
        return 0;
    }
    zem::RadioImage image;
    if (!zem::LoadProgramFile(out, image).ok) __builtin_trap();
    zem::ChannelPageValues page;
    zem::FillFromImage(image, page);
    zem::SilentMessenger silent;
    for (int row = 1; row <= zem::kChannelCount; ++row) {
        for (int col : {zem::kColReceive, zem::kColTransmit}) {
            const std::string& cell = page.cells.text(row, col);
            if (!cell.empty() && zem::ValidateFrequency(cell, 0, silent).result != zem::FrequencyCheck::Result::Valid)
                __builtin_trap();
        }
    }
    zem::ChannelPageValues back = page;
    if (!zem::ImportMemoryList(zem::ExportMemoryList(page.cells, 0), back, {}).ok()) __builtin_trap();
    zem::RadioImage a = image;
    zem::RadioImage b = image;
    zem::StoreToImage(page, a);
    zem::StoreToImage(back, b);
    if (a != b) __builtin_trap();
    return 0;
}
