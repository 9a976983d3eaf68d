#include "plan/plan_fields.h"

#include "channels/channel_codec.h"
#include "channels/frequency.h"

#include <array>
#include <cstdint>

namespace zem {

namespace {

constexpr std::size_t kRecordSize = 16;
constexpr std::size_t kTypeOffset = 0x22C;
constexpr std::size_t kBandOffset = 0x220;

SettingAccess Choice(const char* key, const std::vector<std::string>& (*entries)(), int OptionValues::*member)
{
    SettingAccess access{key, entries};
    access.optionIndex = member;
    return access;
}

SettingAccess Check(const char* key, bool OptionValues::*member)
{
    SettingAccess access{key, nullptr};
    access.optionCheck = member;
    return access;
}

SettingAccess Code(const char* key, std::string OptionValues::*member)
{
    SettingAccess access{key, nullptr};
    access.optionCode = member;
    return access;
}

SettingAccess KeyChoice(const char* key, const std::vector<std::string>& (*entries)(), int KeyValues::*member)
{
    SettingAccess access{key, entries};
    access.keyIndex = member;
    return access;
}

// Sets one setting to a value other than the one it has; a code to the
// given digit repeated.
void ChangeSetting(const SettingAccess& access, OptionValues& options, KeyValues& keys, char digit)
{
    if (access.optionIndex)
        options.*access.optionIndex = options.*access.optionIndex == 0 ? 1 : 0;
    else if (access.optionCheck)
        options.*access.optionCheck = !(options.*access.optionCheck);
    else if (access.optionCode)
        options.*access.optionCode = std::string(kPttIdLength, digit);
    else
        keys.*access.keyIndex = keys.*access.keyIndex == 0 ? 1 : 0;
}

// The bytes a setting is stored in: those that differ when only it changes.
std::vector<std::size_t> SettingFootprint(const SettingAccess& access)
{
    const RadioImage base = NewDocumentImage();
    PlanValues a = ShownValues(base);
    if (access.optionCode)
        a.options.*access.optionCode = std::string(kPttIdLength, '0');
    PlanValues b = a;
    ChangeSetting(access, b.options, b.keys, '1');
    RadioImage ia = base;
    RadioImage ib = base;
    StoreValues(a, ia);
    StoreValues(b, ib);
    std::vector<std::size_t> offsets;
    for (std::size_t i = 0; i < kImageSize; ++i) {
        if (ia[i] != ib[i])
            offsets.push_back(i);
    }
    return offsets;
}

std::vector<std::size_t> Range(std::size_t first, std::size_t count)
{
    std::vector<std::size_t> offsets;
    for (std::size_t i = 0; i < count; ++i)
        offsets.push_back(first + i);
    return offsets;
}

std::vector<std::size_t> CellFootprint(int row, int col)
{
    const std::size_t record = static_cast<std::size_t>(row) * kRecordSize;
    switch (col) {
    case kColReceive: return Range(record, 4);
    case kColTransmit: return Range(record + 4, 4);
    case kColDecode: return Range(record + 8, 2);
    case kColEncode: return Range(record + 10, 2);
    default: return {record + 12};
    }
}

std::array<std::uint8_t, 4> FrequencyBytes(const std::string& text)
{
    std::array<std::uint8_t, 4> bytes{};
    EncodeBcd(TextToUnits(text), bytes.data());
    return bytes;
}

bool SameCell(const std::string& a, const std::string& b, int col)
{
    if (a == b)
        return true;
    if (col == kColReceive || col == kColTransmit)
        return FrequencyBytes(a) == FrequencyBytes(b);
    if (col == kColDecode || col == kColEncode) {
        std::uint8_t al = 0, ah = 0, bl = 0, bh = 0;
        EncodeToneText(a, al, ah);
        EncodeToneText(b, bl, bh);
        return al == bl && ah == bh;
    }
    return false;
}

}  // namespace

const std::vector<SettingAccess>& OptionAccess()
{
    using E = OptionEntries;
    using V = OptionValues;
    static const std::vector<SettingAccess> access = {
        Choice("scan_mode", E::scanMode, &V::scanMode),
        Choice("receive_recovery", E::recoveryTime, &V::receiveRecovery),
        Choice("transmission_recovery", E::recoveryTime, &V::transmissionRecovery),
        Choice("time_out_timer", E::timeOutTimer, &V::timeOutTimer),
        Choice("voice_beep_tone", E::voiceBeepTone, &V::voiceBeepTone),
        Choice("squelch_level", E::squelchLevel, &V::squelchLevel),
        Choice("lock_detect", E::lockDetect, &V::lockDetect),
        Choice("whisper_level", E::whisperLevel, &V::whisperLevel),
        Check("whisper_enable", &V::whisperEnable),
        Choice("vox_level", E::voxLevel, &V::voxLevel),
        Check("vox_enable", &V::voxEnable),
        Code("ptt_id_start", &V::pttIdStart),
        Code("ptt_id_end", &V::pttIdEnd),
        Check("ptt_id_start_enable", &V::pttIdStartEnable),
        Check("ptt_id_end_enable", &V::pttIdEndEnable),
        Choice("dtmf_speed", E::dtmfSpeed, &V::dtmfSpeed),
        Choice("first_digit_time", E::firstDigitTime, &V::firstDigitTime),
        Choice("first_digit_delay", E::firstDigitDelay, &V::firstDigitDelay),
        Check("dtmf_side_tone", &V::dtmfSideTone),
        Check("energy_check", &V::energyCheck),
        Check("wired_clone_mode", &V::wiredCloneMode),
        Check("scramble", &V::scramble),
        Check("alarm_enable", &V::alarmEnable),
        Check("compand_expand", &V::compandExpand),
        Check("save_energy", &V::saveEnergy),
    };
    return access;
}

const std::vector<SettingAccess>& KeyAccess()
{
    using E = KeyEntries;
    using V = KeyValues;
    static const std::vector<SettingAccess> access = {
        KeyChoice("long_press_duration", E::longPressDuration, &V::longPressDuration),
        KeyChoice("top_long", E::longPress, &V::topLong),
        KeyChoice("top_short", E::shortPress, &V::topShort),
        KeyChoice("middle_long", E::longPress, &V::middleLong),
        KeyChoice("middle_short", E::shortPress, &V::middleShort),
        KeyChoice("bottom_long", E::longPress, &V::bottomLong),
        KeyChoice("bottom_short", E::shortPress, &V::bottomShort),
    };
    return access;
}

const std::vector<PlanField>& AllPlanFields()
{
    static const std::vector<PlanField> fields = [] {
        using K = PlanField::Kind;
        std::vector<PlanField> all = {{K::Type, 0, 0}, {K::Band, 0, 0}};
        for (int row = 1; row <= kChannelCount; ++row) {
            for (int col = kColReceive; col <= kColPtt; ++col)
                all.push_back({K::Cell, row, col});
        }
        for (int i = 0; i < static_cast<int>(OptionAccess().size()); ++i)
            all.push_back({K::Option, i, 0});
        for (int i = 0; i < static_cast<int>(KeyAccess().size()); ++i)
            all.push_back({K::Key, i, 0});
        for (int i = 0; i < 2 * kPowerPointCount; ++i)
            all.push_back({K::Power, i, 0});
        return all;
    }();
    return fields;
}

PlanValues ShownValues(const RadioImage& image)
{
    PlanValues values;
    FillFromImage(image, values.channels);
    FillFromImage(image, values.options);
    FillFromImage(image, values.keys);
    values.power = PowerValuesFromImage(image);
    return values;
}

void StoreValues(const PlanValues& values, RadioImage& image)
{
    // A plan's codes are checked before they get here, and the footprints
    // are worked out with codes of every length: nothing to say to anyone.
    SilentMessenger silent;
    StoreToImage(values.channels, image);
    StoreToImage(values.options, image, silent);
    StoreToImage(values.keys, image);
    StorePowerValues(values.power, image);
}

const std::vector<std::size_t>& Footprint(const PlanField& field)
{
    using K = PlanField::Kind;
    static const std::vector<std::size_t> type = {kTypeOffset};
    static const std::vector<std::size_t> band = Range(kBandOffset, 8);
    static const std::vector<std::vector<std::size_t>> cells = [] {
        std::vector<std::vector<std::size_t>> all;
        for (int row = 0; row <= kChannelCount; ++row) {
            for (int col = 0; col < kGridCols; ++col)
                all.push_back(CellFootprint(row, col));
        }
        return all;
    }();
    static const std::vector<std::vector<std::size_t>> options = [] {
        std::vector<std::vector<std::size_t>> all;
        for (const auto& access : OptionAccess())
            all.push_back(SettingFootprint(access));
        return all;
    }();
    static const std::vector<std::vector<std::size_t>> keys = [] {
        std::vector<std::vector<std::size_t>> all;
        for (const auto& access : KeyAccess())
            all.push_back(SettingFootprint(access));
        return all;
    }();
    static const std::vector<std::vector<std::size_t>> power = [] {
        std::vector<std::vector<std::size_t>> all;
        for (int i = 0; i < 2 * kPowerPointCount; ++i)
            all.push_back({kPowerCalibrationOffset + static_cast<std::size_t>(i)});
        return all;
    }();
    switch (field.kind) {
    case K::Type: return type;
    case K::Band: return band;
    case K::Cell: return cells[static_cast<std::size_t>(field.index * kGridCols + field.col)];
    case K::Option: return options[static_cast<std::size_t>(field.index)];
    case K::Key: return keys[static_cast<std::size_t>(field.index)];
    case K::Power: return power[static_cast<std::size_t>(field.index)];
    }
    return type;
}

bool IsKeptOffset(std::size_t offset)
{
    static const std::array<bool, kImageSize> kept = [] {
        std::array<bool, kImageSize> all;
        all.fill(true);
        for (const PlanField& field : AllPlanFields()) {
            for (std::size_t at : Footprint(field))
                all[at] = false;
        }
        return all;
    }();
    return offset < kImageSize && kept[offset];
}

bool SameValue(const PlanValues& a, const PlanValues& b, const PlanField& field)
{
    using K = PlanField::Kind;
    switch (field.kind) {
    case K::Type: return a.channels.typeIndex == b.channels.typeIndex;
    case K::Band: return a.channels.bandIndex == b.channels.bandIndex;
    case K::Cell:
        return SameCell(a.channels.cells.text(field.index, field.col), b.channels.cells.text(field.index, field.col),
                        field.col);
    case K::Option: {
        const SettingAccess& s = OptionAccess()[static_cast<std::size_t>(field.index)];
        if (s.optionIndex)
            return a.options.*s.optionIndex == b.options.*s.optionIndex;
        if (s.optionCheck)
            return a.options.*s.optionCheck == b.options.*s.optionCheck;
        return a.options.*s.optionCode == b.options.*s.optionCode;
    }
    case K::Key: {
        const SettingAccess& s = KeyAccess()[static_cast<std::size_t>(field.index)];
        return a.keys.*s.keyIndex == b.keys.*s.keyIndex;
    }
    case K::Power: {
        const auto i = static_cast<std::size_t>(field.index % kPowerPointCount);
        return field.index < kPowerPointCount ? a.power.low[i] == b.power.low[i] : a.power.high[i] == b.power.high[i];
    }
    }
    return true;
}

void CopyValue(const PlanValues& from, PlanValues& to, const PlanField& field)
{
    using K = PlanField::Kind;
    switch (field.kind) {
    case K::Type: to.channels.typeIndex = from.channels.typeIndex; break;
    case K::Band: to.channels.bandIndex = from.channels.bandIndex; break;
    case K::Cell:
        to.channels.cells.setText(field.index, field.col, from.channels.cells.text(field.index, field.col));
        break;
    case K::Option: {
        const SettingAccess& s = OptionAccess()[static_cast<std::size_t>(field.index)];
        if (s.optionIndex)
            to.options.*s.optionIndex = from.options.*s.optionIndex;
        else if (s.optionCheck)
            to.options.*s.optionCheck = from.options.*s.optionCheck;
        else
            to.options.*s.optionCode = from.options.*s.optionCode;
        break;
    }
    case K::Key: {
        const SettingAccess& s = KeyAccess()[static_cast<std::size_t>(field.index)];
        to.keys.*s.keyIndex = from.keys.*s.keyIndex;
        break;
    }
    case K::Power: {
        const auto i = static_cast<std::size_t>(field.index % kPowerPointCount);
        if (field.index < kPowerPointCount)
            to.power.low[i] = from.power.low[i];
        else
            to.power.high[i] = from.power.high[i];
        break;
    }
    }
}

}  // namespace zem
