// Runs `zemtool plan import` on arbitrary text. A refused text must leave no
// output file; an accepted one must export to a text that imports back to
// the very same bytes.
#include "cli/file_commands.h"
#include "document/program_file.h"
#include "fuzz_support.h"
#include "plan/plan_text.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

const std::filesystem::path& Folder() { return zem::fuzz::ScratchFolder("fuzz_plan_text"); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto in = (Folder() / "in.yaml").string();
    const auto out = (Folder() / "out.zem").string();
    std::ofstream(in, std::ios::binary).write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    std::filesystem::remove(out);

    std::ostringstream said;
    zem::cli::Io io{said, said};
    const int status = zem::cli::FileCommand("plan").run({"import", in, "-o", out}, io);
    if (status != 0) {
        if (std::filesystem::exists(out)) __builtin_trap();
        return 0;
    }
    zem::RadioImage image;
    if (!zem::LoadProgramFile(out, image).ok) __builtin_trap();
    const zem::PlanTextImport again = zem::ImportPlanText(zem::ExportPlanText(image));
    if (!again.ok() || again.image != image) __builtin_trap();
    return 0;
}
