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

Text CompareText(const char* source, std::vector<Text> values = {}) {
    return Text(kTextCompare, source, std::move(values));
}

// "byte 0x3E0: FF -> 00", or "bytes 0x018-0x01B: 00 00 00 00 -> FF FF FF FF".
Difference ByteRun(const RadioImage& before, const RadioImage& after, std::size_t first, std::size_t last) {
    std::string from;
    std::string to;
    for (std::size_t offset = first; offset <= last; ++offset) {
        from += (offset == first ? "" : " ") + Hex(before[offset], 2);
        to += (offset == first ? "" : " ") + Hex(after[offset], 2);
    }
    Text where = first == last ? CompareText(ZEM_TRANSLATE_NOOP("zem::Compare", "byte %1"), {"0x" + Hex(first, 3)})
                               : CompareText(ZEM_TRANSLATE_NOOP("zem::Compare", "bytes %1-%2"),
                                             {"0x" + Hex(first, 3), "0x" + Hex(last, 3)});
    return {std::move(where), from, to};
}

// A value as the page shows it: a list text in its list's context (context
// null for a value said as it is), "(empty)" for none.
Text Shown(const char* context, const std::string& text) {
    if (text.empty()) return CompareText(ZEM_TRANSLATE_NOOP("zem::Compare", "(empty)"));
    return context ? Text(context, text) : Text(text);
}

Text Shown(const SettingText& setting, SettingKind kind) {
    if (setting.isCheckBox)
        return setting.checked ? CompareText(ZEM_TRANSLATE_NOOP("zem::Compare", "on"))
                               : CompareText(ZEM_TRANSLATE_NOOP("zem::Compare", "off"));
    return Shown(kind == SettingKind::Choice ? kTextRadioSettings : nullptr, setting.text);
}

void DiffSettings(SettingPage page, const std::vector<SettingText>& a, const std::vector<SettingText>& b, int group,
                  std::vector<Difference>& found, std::set<int>& shownGroups) {
    const std::vector<SettingEntry>& settings = PageSettings(page);
    for (std::size_t i = 0; i < a.size() && i < b.size() && i < settings.size(); ++i) {
        Text before = Shown(a[i], settings[i].kind);
        Text after = Shown(b[i], settings[i].kind);
        if (before.english() == after.english()) continue;
        found.push_back({Text(kTextRadioSettings, a[i].label), std::move(before), std::move(after)});
        shownGroups.insert(group);
    }
}

std::vector<std::string> English(const std::vector<Difference>& differences) {
    std::vector<std::string> lines;
    lines.reserve(differences.size());
    for (const Difference& difference : differences) lines.push_back(difference.english());
    return lines;
}

}  // namespace

std::string Difference::english() const { return where.english() + ": " + before.english() + " -> " + after.english(); }

std::vector<Difference> DocumentDifferences(const RadioImage& before, const RadioImage& after) {
    std::vector<Difference> found;
    if (before == after) return found;

    const PagesSnapshot a = FillPages(before);
    const PagesSnapshot b = FillPages(after);
    std::set<int> shownGroups;

    const auto& types = TypeEntries();
    const auto& bands = BandEntries();
    if (a.channels.typeIndex != b.channels.typeIndex) {
        found.push_back({CompareText(ZEM_TRANSLATE_NOOP("zem::Compare", "Type")),
                         Shown(kTextChannelTable, EntryText(types, a.channels.typeIndex)),
                         Shown(kTextChannelTable, EntryText(types, b.channels.typeIndex))});
        shownGroups.insert(kType);
    }
    if (a.channels.bandIndex != b.channels.bandIndex) {
        found.push_back({CompareText(ZEM_TRANSLATE_NOOP("zem::Compare", "Band")),
                         Shown(kTextChannelTable, EntryText(bands, a.channels.bandIndex)),
                         Shown(kTextChannelTable, EntryText(bands, b.channels.bandIndex))});
        shownGroups.insert(kBand);
    }
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        for (int col = kColReceive; col < kGridCols; ++col) {
            const std::string& x = a.channels.cells.text(channel, col);
            const std::string& y = b.channels.cells.text(channel, col);
            if (x == y) continue;
            // The grid shows its choices (Scan to PTT) as list texts, the
            // frequencies and tones as they are.
            const char* context = col >= kColScan ? kTextChannelTable : nullptr;
            found.push_back({CompareText(ZEM_TRANSLATE_NOOP("zem::Compare", "channel %1 %2"),
                                         {std::to_string(channel), Text(kTextChannelTable, kColumnHeaders[col])}),
                             Shown(context, x), Shown(context, y)});
            shownGroups.insert(ChannelGroup(channel, col));
        }
    }
    DiffSettings(SettingPage::Options, OptionTexts(a.options), OptionTexts(b.options), kOptions, found, shownGroups);
    DiffSettings(SettingPage::Keys, KeyTexts(a.keys), KeyTexts(b.keys), kKeys, found, shownGroups);
    for (int p = 0; p < 7; ++p) {
        const auto i = static_cast<std::size_t>(p);
        if (a.powerLow[i] != b.powerLow[i]) {
            found.push_back({CompareText(ZEM_TRANSLATE_NOOP("zem::Compare", "Low Power Value %1"), {std::to_string(p + 1)}),
                             std::to_string(a.powerLow[i]), std::to_string(b.powerLow[i])});
            shownGroups.insert(kPowerLow + p);
        }
        if (a.powerHigh[i] != b.powerHigh[i]) {
            found.push_back({CompareText(ZEM_TRANSLATE_NOOP("zem::Compare", "High Power Value %1"), {std::to_string(p + 1)}),
                             std::to_string(a.powerHigh[i]), std::to_string(b.powerHigh[i])});
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
        found.push_back(ByteRun(before, after, unshown[i], unshown[j - 1]));
        i = j;
    }
    return found;
}

std::vector<std::string> DiffDocuments(const RadioImage& before, const RadioImage& after) {
    return English(DocumentDifferences(before, after));
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

std::vector<Difference> DifferencesAsShown(const RadioImage& before, const RadioImage& after) {
    return DocumentDifferences(AsThePagesStore(before), AsThePagesStore(after));
}

std::vector<std::string> DiffAsShown(const RadioImage& before, const RadioImage& after) {
    return English(DifferencesAsShown(before, after));
}

Text SameAsShownText(const RadioImage& before, const RadioImage& after) {
    const RadioImage a = AsThePagesStore(before);
    const RadioImage b = AsThePagesStore(after);
    if (a != b) return {};
    std::size_t count = 0;
    for (std::size_t offset = 0; offset < kImageSize; ++offset) count += before[offset] != after[offset] ? 1 : 0;
    if (count == 0) return {};
    if (count == 1)
        return CompareText(ZEM_TRANSLATE_NOOP("zem::Compare", "%1 byte differs only in how the radio holds values that "
                                                              "the pages show the same way"),
                           {std::to_string(count)});
    return CompareText(ZEM_TRANSLATE_NOOP("zem::Compare", "%1 bytes differ only in how the radio holds values that "
                                                          "the pages show the same way"),
                       {std::to_string(count)});
}

std::string SameAsShownNote(const RadioImage& before, const RadioImage& after) {
    return SameAsShownText(before, after).english();
}

}  // namespace zem
