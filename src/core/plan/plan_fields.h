#pragma once

#include "channels/channel_table.h"
#include "document/radio_image.h"
#include "pages/key_values.h"
#include "pages/option_values.h"
#include "pages/radio_settings.h"
#include "service/power_points.h"

#include <cstddef>
#include <string>
#include <vector>

namespace zem {

// Everything a plan's values say about an image: the channel page (type,
// band, the grid's texts), the optional features, the key assignment and
// the power values.
struct PlanValues {
    ChannelPageValues channels;
    OptionValues options;
    KeyValues keys;
    PowerValues power;
};

// One value of a plan: the radio type, the band, one channel cell (row
// 1-16, column kColReceive..kColPtt), one setting of the options or the key
// page (its index in PageSettings order), or one power value
// (0-6 the low values, 7-13 the high ones).
struct PlanField {
    enum class Kind { Type, Band, Cell, Option, Key, Power };
    Kind kind = Kind::Type;
    int index = 0;  // row for a cell, position for options, keys and power
    int col = 0;    // column for a cell

    friend bool operator==(const PlanField& a, const PlanField& b) {
        return a.kind == b.kind && a.index == b.index && a.col == b.col;
    }
};

// Every value of a plan in the order the text holds them.
const std::vector<PlanField>& AllPlanFields();

// What the pages show for an image.
PlanValues ShownValues(const RadioImage& image);

// Stores all values into the image as the pages' stores do (codes
// as given, without messages).
void StoreValues(const PlanValues& values, RadioImage& image);

// The image offsets a value is stored in.
const std::vector<std::size_t>& Footprint(const PlanField& field);

// True for an offset that no value is stored in: its byte is carried as is.
bool IsKeptOffset(std::size_t offset);

// True when the field reads the same in both, or its two texts store the
// same bytes (a tone "" and "OFF", a frequency "145" and "145.00000").
bool SameValue(const PlanValues& a, const PlanValues& b, const PlanField& field);

// Sets the field of to from the field of from.
void CopyValue(const PlanValues& from, PlanValues& to, const PlanField& field);

// The option or key settings a field kind counts through (PageSettings of
// its page), and the setting of one field.
const std::vector<SettingEntry>& PlanSettings(PlanField::Kind kind);
const SettingEntry& PlanSetting(const PlanField& field);

}  // namespace zem
