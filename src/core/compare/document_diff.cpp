#include "compare/document_diff.h"

#include "channels/band.h"
#include "channels/channel_codec.h"
#include "messenger.h"
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

SettingText Choice(const char* key, const char* label, const std::vector<std::string>& entries, int index) {
    return {key, label, false, false, EntryText(entries, index)};
}

SettingText Check(const char* key, const char* label, bool checked) { return {key, label, true, checked, {}}; }

SettingText Code(const char* key, const char* label, const std::string& text) { return {key, label, false, false, text}; }

}  // namespace

std::vector<SettingText> OptionTexts(const OptionValues& v) {
    using E = OptionEntries;
    return {
        Choice("scan_mode", "Scan Mode", E::scanMode(), v.scanMode),
        Choice("receive_recovery", "Receive recovery time (sec)", E::recoveryTime(), v.receiveRecovery),
        Choice("transmission_recovery", "Transmission  recovery time (sec)", E::recoveryTime(),
               v.transmissionRecovery),
        Choice("time_out_timer", "Radiate Time Out Timer(s)", E::timeOutTimer(), v.timeOutTimer),
        Choice("voice_beep_tone", "Voice/Beep Tone", E::voiceBeepTone(), v.voiceBeepTone),
        Choice("squelch_level", "Squelch Level", E::squelchLevel(), v.squelchLevel),
        Choice("lock_detect", "Lock Detect", E::lockDetect(), v.lockDetect),
        Choice("whisper_level", "Whisper level", E::whisperLevel(), v.whisperLevel),
        Check("whisper_enable", "Whisper  Function Enable", v.whisperEnable),
        Choice("vox_level", "VOX level", E::voxLevel(), v.voxLevel),
        Check("vox_enable", "Vox Function Enable", v.voxEnable),
        Code("ptt_id_start", "PTT ID Start", v.pttIdStart),
        Code("ptt_id_end", "PTT ID End", v.pttIdEnd),
        Check("ptt_id_start_enable", "PTT ID Start Enable", v.pttIdStartEnable),
        Check("ptt_id_end_enable", "PTT ID End Enable", v.pttIdEndEnable),
        Choice("dtmf_speed", "DTMF Speed  Digit/sec", E::dtmfSpeed(), v.dtmfSpeed),
        Choice("first_digit_time", "First Digit Time(ms)", E::firstDigitTime(), v.firstDigitTime),
        Choice("first_digit_delay", "First Digit Delay Time(ms)", E::firstDigitDelay(), v.firstDigitDelay),
        Check("dtmf_side_tone", "DTMF Side Tone", v.dtmfSideTone),
        Check("energy_check", "Energy Check", v.energyCheck),
        Check("wired_clone_mode", "Wired Clone Mode", v.wiredCloneMode),
        Check("scramble", "Scramble", v.scramble),
        Check("alarm_enable", "Alarm Function Enable", v.alarmEnable),
        Check("compand_expand", "Compand Expand", v.compandExpand),
        Check("save_energy", "Save Energy", v.saveEnergy),
    };
}

std::vector<SettingText> KeyTexts(const KeyValues& v) {
    using E = KeyEntries;
    return {
        Choice("long_press_duration", "Long Press Duration(s)", E::longPressDuration(), v.longPressDuration),
        Choice("top_long", "Top Key Long Press", E::longPress(), v.topLong),
        Choice("top_short", "Top Key Short Press", E::shortPress(), v.topShort),
        Choice("middle_long", "Middle Key Long Press", E::longPress(), v.middleLong),
        Choice("middle_short", "Middle Key Short Press", E::shortPress(), v.middleShort),
        Choice("bottom_long", "Bottom Key Long Press", E::longPress(), v.bottomLong),
        Choice("bottom_short", "Bottom Key Short Press", E::shortPress(), v.bottomShort),
    };
}

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
    if (offset >= 0x010 && offset <= 0x10F) {
        const int channel = static_cast<int>(offset / 16);
        const int byte = static_cast<int>(offset % 16);
        if (byte <= 3) return ChannelGroup(channel, kColReceive);
        if (byte <= 7) return ChannelGroup(channel, kColTransmit);
        if (byte <= 9) return ChannelGroup(channel, kColDecode);
        if (byte <= 11) return ChannelGroup(channel, kColEncode);
        if (byte == 12) return ChannelGroup(channel, kColScan);
        return kKept;
    }
    if (offset == 0x13A || (offset >= 0x13D && offset <= 0x13F)) return kKeys;
    if ((offset >= 0x130 && offset <= 0x13C) || (offset >= 0x210 && offset <= 0x21F)) return kOptions;
    if (offset >= 0x220 && offset <= 0x227) return kBand;
    if (offset == 0x22C) return kType;
    if (offset >= 0x3D0 && offset <= 0x3D6) return kPowerLow + static_cast<int>(offset - 0x3D0);
    if (offset >= 0x3D7 && offset <= 0x3DD) return kPowerHigh + static_cast<int>(offset - 0x3D7);
    return kKept;
}

// Bits of interpreted bytes that no page shows: a change in them is listed
// as a byte even when the page's value beside them changed as well.
std::uint8_t UnshownBits(std::size_t offset) {
    if (offset >= 0x010 && offset <= 0x10F && offset % 16 == 12) return 0xC0;  // channel flags 7-6
    switch (offset) {
        case 0x130: return 0x80;
        case 0x131: return 0x38;
        case 0x132: return 0x1F;
        case 0x133: return 0xF0;
        default: return 0x00;
    }
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
