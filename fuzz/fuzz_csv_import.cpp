// Runs the whole CSV import (reading, typing each cell with the commit rules,
// storing) on arbitrary text. Whatever the text, a successful import may only
// leave frequencies in the channel table that the chosen band accepts.
#include "channels/channel_codec.h"
#include "channels/channel_commit.h"
#include "channels/channel_csv.h"
#include "document/radio_image.h"
#include "messenger.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first byte picks the band the rows are checked against.
    const int band = size > 0 ? data[0] % 5 : 0;
    const std::string text = size > 0 ? std::string(reinterpret_cast<const char*>(data) + 1, size - 1) : std::string();

    zem::RadioImage image = zem::NewDocumentImage();
    zem::ChannelPageValues page;
    zem::FillFromImage(image, page);
    page.bandIndex = band;
    const zem::CsvImport result = zem::ImportChannelsCsv(text, page);
    for (const auto& rejection : result.rejections) (void)rejection.describe();
    if (!result.ok()) return 0;

    zem::StoreToImage(page, image);
    zem::ChannelPageValues filled;
    zem::FillFromImage(image, filled);
    if (filled.bandIndex != band) __builtin_trap();
    zem::SilentMessenger silent;
    for (int row = 1; row <= zem::kChannelCount; ++row) {
        for (int col : {zem::kColReceive, zem::kColTransmit}) {
            const std::string& cell = filled.cells.text(row, col);
            if (cell.empty()) continue;
            const zem::FrequencyCheck check = zem::ValidateFrequency(cell, band, silent);
            if (check.result != zem::FrequencyCheck::Result::Valid || check.text != cell) __builtin_trap();
        }
    }
    return 0;
}
