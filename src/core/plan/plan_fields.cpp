#include "plan/plan_fields.h"

#include "channels/channel_codec.h"
#include "channels/frequency.h"
#include "document/memory_map.h"

#include <array>
#include <cstdint>

namespace zem {

namespace {

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
    case kColReceive: return Range(record + kRecordReceive, 4);
    case kColTransmit: return Range(record + kRecordTransmit, 4);
    case kColDecode: return Range(record + kRecordDecode, 2);
    case kColEncode: return Range(record + kRecordEncode, 2);
    default: return {record + kRecordFlags};
    }
}

std::vector<std::vector<std::size_t>> SettingFootprints(PlanField::Kind kind)
{
    std::vector<std::vector<std::size_t>> all;
    for (const SettingEntry& setting : PlanSettings(kind))
        all.push_back(Range(setting.offset, setting.length));
    return all;
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

const std::vector<SettingEntry>& PlanSettings(PlanField::Kind kind)
{
    return PageSettings(kind == PlanField::Kind::Key ? SettingPage::Keys : SettingPage::Options);
}

const SettingEntry& PlanSetting(const PlanField& field)
{
    return PlanSettings(field.kind)[static_cast<std::size_t>(field.index)];
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
        for (int i = 0; i < static_cast<int>(PlanSettings(K::Option).size()); ++i)
            all.push_back({K::Option, i, 0});
        for (int i = 0; i < static_cast<int>(PlanSettings(K::Key).size()); ++i)
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
    static const std::vector<std::size_t> band = Range(kBandLimitOffset, kBandLimitSize);
    static const std::vector<std::vector<std::size_t>> cells = [] {
        std::vector<std::vector<std::size_t>> all;
        for (int row = 0; row <= kChannelCount; ++row) {
            for (int col = 0; col < kGridCols; ++col)
                all.push_back(CellFootprint(row, col));
        }
        return all;
    }();
    // A setting is stored in its bytes, whichever of their bits it keeps.
    static const std::vector<std::vector<std::size_t>> settings[2] = {SettingFootprints(K::Option),
                                                                      SettingFootprints(K::Key)};
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
    case K::Option: return settings[0][static_cast<std::size_t>(field.index)];
    case K::Key: return settings[1][static_cast<std::size_t>(field.index)];
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
    case K::Option:
    case K::Key: return SameSetting(PlanSetting(field), a.options, a.keys, b.options, b.keys);
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
    case K::Option:
    case K::Key: CopySetting(PlanSetting(field), from.options, from.keys, to.options, to.keys); break;
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
