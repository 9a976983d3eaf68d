#include "compare/document_diff.h"

#include "channels/band.h"
#include "channels/channel_codec.h"
#include "document/memory_map.h"
#include "messenger.h"
#include "pages/radio_settings.h"
#include "service/power_points.h"

#include <cstdio>
#include <set>

namespace zem {

PagesSnapshot FillPages(const RadioImage& image) {
    PagesSnapshot snapshot;
    FillFromImage(image, snapshot.channels);
    FillFromImage(image, snapshot.options);
    FillFromImage(image, snapshot.keys);
    for (std::size_t p = 0; p < 7; ++p) {
        snapshot.powerLow[p] = image[kPowerLowOffset + p];
        snapshot.powerHigh[p] = image[kPowerHighOffset + p];
    }
    return snapshot;
}

std::string EntryText(const std::vector<std::string>& entries, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= entries.size()) return {};
    return entries[static_cast<std::size_t>(index)];
}

namespace {

std::vector<SettingText> Texts(SettingPage page, const OptionValues& options, const KeyValues& keys) {
    std::vector<SettingText> texts;
    for (const SettingEntry& setting : PageSettings(page)) {
        SettingText text{setting.key, setting.label, false, false, {}};
        switch (setting.kind) {
            case SettingKind::Choice: text.text = EntryText(setting.entries(), IndexIn(setting, options, keys)); break;
            case SettingKind::Check:
                text.isCheckBox = true;
                text.checked = options.*setting.optionCheck;
                break;
            case SettingKind::Code: text.text = CodeIn(setting, options); break;
        }
        texts.push_back(std::move(text));
    }
    return texts;
}

}  // namespace

std::vector<SettingText> OptionTexts(const OptionValues& values) {
    return Texts(SettingPage::Options, values, KeyValues{});
}

std::vector<SettingText> KeyTexts(const KeyValues& values) { return Texts(SettingPage::Keys, OptionValues{}, values); }

namespace {

// Which shown value a byte belongs to, so that a byte whose change shows on
// no page is still listed. -1 for bytes no page interprets.
enum Group : int {
    kKept = -1,
    kOptions = 1,
    kKeys = 2,
    kBand = 3,
    kType = 4,
    kPowerLow = 10,    // + point index 0-6
    kPowerHigh = 20,   // + point index 0-6
    kChannelBase = 100 // + channel x 8 + field (0 rx, 1 tx, 2 dec, 3 enc, 4 flags)
};

int ChannelGroup(int channel, int col) {
    const int field = col <= kColEncode ? col - 1 : 4;
    return kChannelBase + channel * 8 + field;
}

int GroupOf(std::size_t offset) {
    if (offset >= kChannelAreaOffset && offset < kChannelAreaEnd) {
        const int channel = static_cast<int>(offset / kRecordSize);
        const std::size_t byte = offset % kRecordSize;
        if (byte < kRecordTransmit) return ChannelGroup(channel, kColReceive);
        if (byte < kRecordDecode) return ChannelGroup(channel, kColTransmit);
        if (byte < kRecordEncode) return ChannelGroup(channel, kColDecode);
        if (byte < kRecordFlags) return ChannelGroup(channel, kColEncode);
        if (byte == kRecordFlags) return ChannelGroup(channel, kColScan);
        return kKept;
    }
    SettingPage page = SettingPage::Options;
    if (SettingPageOf(offset, page)) return page == SettingPage::Keys ? kKeys : kOptions;
    if (offset >= kBandLimitOffset && offset < kBandLimitOffset + kBandLimitSize) return kBand;
    if (offset == kTypeOffset) return kType;
    if (offset >= kPowerLowOffset && offset < kPowerLowOffset + kPowerPointCount) return kPowerLow + static_cast<int>(offset - kPowerLowOffset);
    if (offset >= kPowerHighOffset && offset < kPowerHighOffset + kPowerPointCount)
        return kPowerHigh + static_cast<int>(offset - kPowerHighOffset);
    return kKept;
}

// Bits of interpreted bytes that no page shows: a change in them is listed
// as a byte even when the page's value beside them changed as well.
std::uint8_t UnshownBits(std::size_t offset) {
    constexpr std::uint8_t kRadiosFlags = 0xC0;  // bits 7-6 of a channel's flags byte
    if (offset >= kChannelAreaOffset && offset < kChannelAreaEnd && offset % kRecordSize == kRecordFlags)
        return kRadiosFlags;
    SettingPage page = SettingPage::Options;
    if (!SettingPageOf(offset, page)) return 0x00;
    return static_cast<std::uint8_t>(~SettingBits(offset));
}

std::string Hex(std::size_t value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", digits, static_cast<unsigned>(value));
    return text;
}

// "byte 0x3E0: FF -> 00", or "bytes 0x018-0x01B: 00 00 00 00 -> FF FF FF FF".
std::string ByteRunLine(const RadioImage& before, const RadioImage& after, std::size_t first, std::size_t last) {
    std::string from;
    std::string to;
    for (std::size_t offset = first; offset <= last; ++offset) {
        from += (offset == first ? "" : " ") + Hex(before[offset], 2);
        to += (offset == first ? "" : " ") + Hex(after[offset], 2);
    }
    const std::string where =
        first == last ? "byte 0x" + Hex(first, 3) : "bytes 0x" + Hex(first, 3) + "-0x" + Hex(last, 3);
    return where + ": " + from + " -> " + to;
}

std::string Shown(const std::string& text) { return text.empty() ? "(empty)" : text; }

std::string Shown(const SettingText& setting) {
    if (setting.isCheckBox) return setting.checked ? "on" : "off";
    return Shown(setting.text);
}

void DiffSettings(const std::vector<SettingText>& a, const std::vector<SettingText>& b, int group,
                  std::vector<std::string>& lines, std::set<int>& shownGroups) {
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        const std::string before = Shown(a[i]);
        const std::string after = Shown(b[i]);
        if (before == after) continue;
        lines.push_back(std::string(a[i].label) + ": " + before + " -> " + after);
        shownGroups.insert(group);
    }
}

}  // namespace

std::vector<std::string> DiffDocuments(const RadioImage& before, const RadioImage& after) {
    std::vector<std::string> lines;
    if (before == after) return lines;

    const PagesSnapshot a = FillPages(before);
    const PagesSnapshot b = FillPages(after);
    std::set<int> shownGroups;

    const auto& types = TypeEntries();
    const auto& bands = BandEntries();
    if (a.channels.typeIndex != b.channels.typeIndex) {
        lines.push_back("Type: " + Shown(EntryText(types, a.channels.typeIndex)) + " -> " +
                        Shown(EntryText(types, b.channels.typeIndex)));
        shownGroups.insert(kType);
    }
    if (a.channels.bandIndex != b.channels.bandIndex) {
        lines.push_back("Band: " + Shown(EntryText(bands, a.channels.bandIndex)) + " -> " +
                        Shown(EntryText(bands, b.channels.bandIndex)));
        shownGroups.insert(kBand);
    }
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        for (int col = kColReceive; col < kGridCols; ++col) {
            const std::string& x = a.channels.cells.text(channel, col);
            const std::string& y = b.channels.cells.text(channel, col);
            if (x == y) continue;
            lines.push_back("channel " + std::to_string(channel) + " " + kColumnHeaders[col] + ": " + Shown(x) +
                            " -> " + Shown(y));
            shownGroups.insert(ChannelGroup(channel, col));
        }
    }
    DiffSettings(OptionTexts(a.options), OptionTexts(b.options), kOptions, lines, shownGroups);
    DiffSettings(KeyTexts(a.keys), KeyTexts(b.keys), kKeys, lines, shownGroups);
    for (int p = 0; p < 7; ++p) {
        const auto i = static_cast<std::size_t>(p);
        if (a.powerLow[i] != b.powerLow[i]) {
            lines.push_back("Low Power Value " + std::to_string(p + 1) + ": " + std::to_string(a.powerLow[i]) +
                            " -> " + std::to_string(b.powerLow[i]));
            shownGroups.insert(kPowerLow + p);
        }
        if (a.powerHigh[i] != b.powerHigh[i]) {
            lines.push_back("High Power Value " + std::to_string(p + 1) + ": " + std::to_string(a.powerHigh[i]) +
                            " -> " + std::to_string(b.powerHigh[i]));
            shownGroups.insert(kPowerHigh + p);
        }
    }
    // Bytes that changed without showing anywhere: the kept regions, and
    // bits or values that the pages read the same way. Neighbouring bytes
    // go on one line.
    std::vector<std::size_t> unshown;
    for (std::size_t offset = 0; offset < kImageSize; ++offset) {
        if (before[offset] == after[offset]) continue;
        const int group = GroupOf(offset);
        const bool unshownBitsChanged = ((before[offset] ^ after[offset]) & UnshownBits(offset)) != 0;
        if (group != kKept && shownGroups.count(group) != 0 && !unshownBitsChanged) continue;
        unshown.push_back(offset);
    }
    for (std::size_t i = 0; i < unshown.size();) {
        std::size_t j = i + 1;
        while (j < unshown.size() && unshown[j] == unshown[j - 1] + 1) ++j;
        lines.push_back(ByteRunLine(before, after, unshown[i], unshown[j - 1]));
        i = j;
    }
    return lines;
}

namespace {

// The pages never ask anything while they store what they were filled with.
class Unasked : public Messenger {
public:
    void notice(const std::string&) override {}
    bool confirm(const std::string&) override { return false; }
    bool retry(const std::string&) override { return false; }
};

}  // namespace

RadioImage AsThePagesStore(const RadioImage& image) {
    const PagesSnapshot pages = FillPages(image);
    RadioImage stored = image;
    Unasked unasked;
    StoreToImage(pages.channels, stored);
    StoreToImage(pages.options, stored, unasked);
    StoreToImage(pages.keys, stored);
    return stored;
}

std::vector<std::string> DiffAsShown(const RadioImage& before, const RadioImage& after) {
    return DiffDocuments(AsThePagesStore(before), AsThePagesStore(after));
}

std::string SameAsShownNote(const RadioImage& before, const RadioImage& after) {
    const RadioImage a = AsThePagesStore(before);
    const RadioImage b = AsThePagesStore(after);
    if (a != b) return {};
    std::size_t count = 0;
    for (std::size_t offset = 0; offset < kImageSize; ++offset) count += before[offset] != after[offset] ? 1 : 0;
    if (count == 0) return {};
    return std::to_string(count) + (count == 1 ? " byte differs" : " bytes differ") +
           " only in how the radio holds values that the pages show the same way";
}

DiffLine SplitDiffLine(const std::string& line) {
    DiffLine parts;
    const std::size_t colon = line.find(": ");
    const std::size_t arrow = colon == std::string::npos ? std::string::npos : line.find(" -> ", colon + 2);
    if (arrow == std::string::npos) {
        parts.where = line;
        return parts;
    }
    parts.where = line.substr(0, colon);
    parts.before = line.substr(colon + 2, arrow - colon - 2);
    parts.after = line.substr(arrow + 4);
    return parts;
}

}  // namespace zem
