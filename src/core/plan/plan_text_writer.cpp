#include "plan/plan_text.h"

#include "channels/band.h"
#include "compare/document_diff.h"
#include "document/input_text.h"
#include "plan/plan_build.h"

#include <array>
#include <cstdio>

namespace zem {

namespace {

const std::array<const char*, kGridCols> kChannelKeys = {
    "ch", "receive", "transmit", "decode", "encode", "scan", "power", "bandwidth", "busy", "ptt",
};

std::string Quoted(const std::string& text)
{
    std::string out = "\"";
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte == 0x7F) {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            out += escape;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

void WriteSettings(std::string& out, const std::vector<SettingText>& settings)
{
    for (const SettingText& setting : settings) {
        out += "  ";
        out += setting.key;
        out += ": ";
        out += setting.isCheckBox ? (setting.checked ? "true" : "false") : Quoted(setting.text);
        out += '\n';
    }
}

template <typename Values>
std::string NumberList(const Values& values)
{
    std::string out = "[";
    for (std::size_t i = 0; i < values.size(); ++i)
        out += (i ? ", " : "") + std::to_string(static_cast<int>(values[i]));
    return out + "]";
}

std::string Hex(unsigned value, int digits)
{
    char text[8];
    std::snprintf(text, sizeof text, "%0*X", digits, value);
    return text;
}

// Runs of listed bytes, cut at every 16-byte row of the image. Address and
// run are quoted: YAML tools read a bare 0x01D as the number 29 and a bare
// run "07" as 7, and would write them back so.
void WriteBytes(std::string& out, const PlanBytes& bytes)
{
    std::size_t runStart = 0;
    std::size_t next = 0;
    std::string line;
    auto flush = [&] {
        if (!line.empty())
            out += "  \"0x" + Hex(static_cast<unsigned>(runStart), 3) + "\": \"" + line.substr(1) + "\"\n";
        line.clear();
    };
    for (const auto& [offset, value] : bytes) {
        if (line.empty() || offset != next || offset % 16 == 0) {
            flush();
            runStart = offset;
        }
        line += ' ' + Hex(value, 2);
        next = offset + 1;
    }
    flush();
}

}  // namespace

std::string ExportPlanText(const RadioImage& image)
{
    const PagesSnapshot pages = FillPages(image);
    std::string out = "zem-plan: 1\n";
    out += "# Channel Setting: the radio type and the band (\"Field\").\n";
    out += "type: " + Quoted(EntryText(TypeEntries(), pages.channels.typeIndex)) + '\n';
    out += "band: " + Quoted(EntryText(BandEntries(), pages.channels.bandIndex)) + '\n';
    out += "# The 16 channels as the grid shows them.\n";
    out += "channels:\n";
    for (int row = 1; row <= kChannelCount; ++row) {
        out += "  - {ch: " + std::to_string(row);
        for (int col = kColReceive; col <= kColPtt; ++col)
            out += std::string(", ") + kChannelKeys[static_cast<std::size_t>(col)] + ": " +
                   Quoted(pages.channels.cells.text(row, col));
        out += "}\n";
    }
    out += "# Optional features.\n";
    out += "options:\n";
    WriteSettings(out, OptionTexts(pages.options));
    out += "# Key assignment.\n";
    out += "keys:\n";
    WriteSettings(out, KeyTexts(pages.keys));
    out += "# Power setting: the low and the high value of the seven frequency points.\n";
    out += "power:\n";
    out += "  low: " + NumberList(pages.powerLow) + '\n';
    out += "  high: " + NumberList(pages.powerHigh) + '\n';
    out += "# Bytes that no value above determines, in hex by address.\n";
    out += "bytes:\n";
    WriteBytes(out, PlanBytesFor(image));
    return out;
}

Text PlanTextError::said() const
{
    const std::string shownKey = ShownValue(key);  // an unknown key is the text's own
    const std::string shownValue = ShownValue(value);
    if (line > 0) {
        const std::string at = std::to_string(line);
        const std::string col = std::to_string(column);
        if (key.empty())
            return Text(kTextPlan, ZEM_TRANSLATE_NOOP("zem::Plan", "line %1, column %2: %3"), {at, col, message});
        if (value.empty())
            return Text(kTextPlan, ZEM_TRANSLATE_NOOP("zem::Plan", "line %1, column %2, %3: %4"),
                        {at, col, shownKey, message});
        return Text(kTextPlan, ZEM_TRANSLATE_NOOP("zem::Plan", "line %1, column %2, %3 \"%4\": %5"),
                    {at, col, shownKey, shownValue, message});
    }
    // No place known: the key and the value, if any, said as they are.
    if (key.empty())
        return message;
    return Text::Joined({value.empty() ? shownKey : shownKey + " \"" + shownValue + "\"", message}, ": ");
}

}  // namespace zem
