#include "channels/band.h"
#include "cli/cli_support.h"
#include "cli/file_commands.h"
#include "document/json_writer.h"
#include "compare/document_diff.h"

#include <algorithm>
#include <array>
#include <ostream>

namespace zem::cli {

namespace {

const std::vector<OptionRule> kShowOptions = {
    {"--json", "", false},
};

// The JSON names of the channel columns 1-9, in grid order.
const std::array<const char*, kGridCols> kChannelKeys = {
    "ch", "receive", "transmit", "decode", "encode", "scan", "power", "bandwidth", "busy", "ptt",
};

void WriteSettings(JsonWriter& json, const std::vector<SettingText>& settings) {
    json.beginObject();
    for (const auto& setting : settings) {
        json.key(setting.key);
        if (setting.isCheckBox) {
            json.value(setting.checked);
        } else {
            json.value(setting.text);
        }
    }
    json.endObject();
}

void WritePower(JsonWriter& json, const std::array<std::uint8_t, 7>& values) {
    json.beginArray();
    for (auto value : values) json.value(static_cast<int>(value));
    json.endArray();
}

std::string ShowJson(const PagesSnapshot& pages) {
    JsonWriter json;
    json.beginObject();
    json.key("type").value(EntryText(TypeEntries(), pages.channels.typeIndex));
    json.key("band").value(EntryText(BandEntries(), pages.channels.bandIndex));
    json.key("channels").beginArray();
    for (int row = 1; row <= kChannelCount; ++row) {
        json.beginObject();
        json.key(kChannelKeys[0]).value(row);
        for (int col = kColReceive; col < kGridCols; ++col) {
            json.key(kChannelKeys[static_cast<std::size_t>(col)]).value(pages.channels.cells.text(row, col));
        }
        json.endObject();
    }
    json.endArray();
    json.key("options");
    WriteSettings(json, OptionTexts(pages.options));
    json.key("keys");
    WriteSettings(json, KeyTexts(pages.keys));
    json.key("power").beginObject();
    json.key("low");
    WritePower(json, pages.powerLow);
    json.key("high");
    WritePower(json, pages.powerHigh);
    json.endObject();
    json.endObject();
    return json.text();
}

void ListSettings(std::ostream& out, const std::vector<SettingText>& settings) {
    for (const auto& setting : settings) {
        out << "  " << setting.label << ": ";
        if (setting.isCheckBox) {
            out << (setting.checked ? "[x]" : "[ ]");
        } else {
            out << setting.text;
        }
        out << '\n';
    }
}

void ListChannels(std::ostream& out, const ChannelTable& cells) {
    std::array<std::size_t, kGridCols> width{};
    for (int row = 0; row < kGridRows; ++row) {
        for (int col = 0; col < kGridCols; ++col) {
            auto& w = width[static_cast<std::size_t>(col)];
            const std::string& text = row == 0 ? std::string(kColumnHeaders[col]) : cells.text(row, col);
            w = std::max(w, text.size());
        }
    }
    for (int row = 0; row < kGridRows; ++row) {
        std::string line = " ";
        for (int col = 0; col < kGridCols; ++col) {
            std::string text = row == 0 ? std::string(kColumnHeaders[col]) : cells.text(row, col);
            text.resize(width[static_cast<std::size_t>(col)], ' ');
            line += ' ' + text;
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out << line << '\n';
    }
}

void ShowText(std::ostream& out, const PagesSnapshot& pages) {
    out << "Channels\n";
    out << "  Type: " << EntryText(TypeEntries(), pages.channels.typeIndex) << '\n';
    out << "  Field: " << EntryText(BandEntries(), pages.channels.bandIndex) << '\n';
    ListChannels(out, pages.channels.cells);
    out << "\nOptional features\n";
    ListSettings(out, OptionTexts(pages.options));
    out << "\nKey assignment\n";
    ListSettings(out, KeyTexts(pages.keys));
    out << "\nPower setting (Low Power Value / High Power Value)\n";
    for (std::size_t p = 0; p < pages.powerLow.size(); ++p) {
        out << "  point " << p + 1 << ": " << static_cast<int>(pages.powerLow[p]) << " / "
            << static_cast<int>(pages.powerHigh[p]) << '\n';
    }
}

}  // namespace

int RunShow(const std::vector<std::string>& args, Io& io) {
    Prepared prepared = PrepareCommand(FileCommand("show"), args, kShowOptions, 1, 1, io);
    if (!prepared.args) return prepared.exitStatus;

    RadioImage image;
    if (!ReadImage(io, prepared.args->positionals[0], image)) return kExitError;
    const PagesSnapshot pages = FillPages(image);
    if (prepared.args->has("--json")) {
        io.out << ShowJson(pages);
    } else {
        ShowText(io.out, pages);
    }
    io.out.flush();
    return io.out ? kExitOk : kExitError;
}

}  // namespace zem::cli
