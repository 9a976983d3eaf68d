#include "plan/plan_build.h"

#include "channels/channel_commit.h"

#include <algorithm>
#include <set>
#include <utility>

namespace zem {

namespace {

RadioImage CanonicalImage(const PlanValues& values, const PlanBytes& bytes)
{
    RadioImage image = NewDocumentImage();
    StoreValues(values, image);
    for (const auto& [offset, value] : bytes) {
        if (offset < kImageSize)
            image[offset] = value;
    }
    return image;
}

bool Covered(const PlanField& field, const PlanBytes& bytes)
{
    const auto& offsets = Footprint(field);
    return std::all_of(offsets.begin(), offsets.end(), [&](std::size_t at) { return bytes.count(at) != 0; });
}

void TypeCell(ChannelTable& table, int row, int col, const std::string& text, int band,
              std::vector<PlanRefusal>& refusals)
{
    Text refusal = TypeCellValue(table, row, col, text, band);
    if (!refusal.empty())
        refusals.push_back({{PlanField::Kind::Cell, row, col}, text, std::move(refusal)});
}

void TypeChannels(const PlanValues& values, const std::set<int>& knownCells, PlanValues& typed,
                  std::vector<PlanRefusal>& refusals)
{
    const ChannelTable& given = values.channels.cells;
    ChannelTable& table = typed.channels.cells;
    for (int row = 1; row <= kChannelCount; ++row) {
        auto known = [&](int col) { return knownCells.count(row * kGridCols + col) != 0; };
        for (int col = kColReceive; col <= kColPtt; ++col)
            table.setText(row, col, known(col) ? given.text(row, col) : std::string());
        bool noChoices = true;
        for (int col = kColScan; col <= kColPtt; ++col)
            noChoices = noChoices && given.text(row, col).empty();
        const bool defaultsWanted = given.hasFrequency(row) && noChoices;

        PlanValues current;
        PlanValues wanted;
        for (int col = kColReceive; col <= kColPtt; ++col) {
            const std::string& text = given.text(row, col);
            if (known(col) || (defaultsWanted && text.empty()))
                continue;
            current.channels.cells.setText(row, col, table.text(row, col));
            wanted.channels.cells.setText(row, col, text);
            if (SameValue(current, wanted, {PlanField::Kind::Cell, row, col}))
                continue;
            TypeCell(table, row, col, text, values.channels.bandIndex, refusals);
        }
    }
}

// A pick that the page sets to the radio's own value, said when it differs.
void Pick(int given, int stored, const PlanField& field, const SettingEntry& s, int& typed,
          std::vector<PlanRefusal>& adjusted)
{
    typed = stored;
    if (given == stored)
        return;
    const auto& entries = s.entries();
    auto text = [&](int index) {
        return index >= 0 && static_cast<std::size_t>(index) < entries.size() ? entries[static_cast<std::size_t>(index)]
                                                                              : std::to_string(index);
    };
    adjusted.push_back({field, "\"" + text(given) + "\"",
                        Text(kTextPlan,
                             ZEM_TRANSLATE_NOOP("zem::Plan", "the radio keeps \"%1\"; \"%2\" was stored as \"%1\""),
                             {text(stored), text(given)})});
}

void TypeSettings(const PlanValues& values, const std::set<std::pair<PlanField::Kind, int>>& known,
                  PlanValues& typed, std::vector<PlanRefusal>& refusals, std::vector<PlanRefusal>& adjusted)
{
    for (PlanField::Kind kind : {PlanField::Kind::Option, PlanField::Kind::Key}) {
        const auto& described = PlanSettings(kind);
        for (std::size_t i = 0; i < described.size(); ++i) {
            const PlanField field{kind, static_cast<int>(i), 0};
            if (known.count({kind, field.index}))
                continue;
            const SettingEntry& s = described[i];
            if (s.kind == SettingKind::Choice && s.fixedPick >= 0) {
                const int given = IndexIn(s, values.options, values.keys);
                Pick(given, AfterPick(s, given), field, s, IndexIn(s, typed.options, typed.keys), adjusted);
            }
            if (s.kind != SettingKind::Code)
                continue;
            const std::string& code = CodeIn(s, values.options);
            if (const char* refusal = CodeRefusal(s, code))
                refusals.push_back({field, code, Text(kTextSettings, refusal)});  // marked in that context
        }
    }
}

// Puts one typed value into the image: only the bits its store changes
// between what the image shows and the value; when those do not make the
// image show it (a byte out of the page's range), its bytes as stored.
void PutValue(const PlanValues& typed, const PlanValues& shown, const PlanField& field, RadioImage& image)
{
    PlanValues before = typed;
    CopyValue(shown, before, field);
    RadioImage from = image;
    RadioImage to = image;
    StoreValues(before, from);
    StoreValues(typed, to);
    for (std::size_t at : Footprint(field)) {
        const std::uint8_t mask = static_cast<std::uint8_t>(from[at] ^ to[at]);
        image[at] = static_cast<std::uint8_t>((image[at] & ~mask) | (to[at] & mask));
    }
    if (!SameValue(ShownValues(image), typed, field)) {
        for (std::size_t at : Footprint(field))
            image[at] = to[at];
    }
}

}  // namespace

PlanBuild BuildPlanImage(const PlanValues& values, const PlanBytes& bytes)
{
    PlanBuild build;
    const PlanValues shownFirst = ShownValues(CanonicalImage(values, bytes));
    std::set<int> knownCells;
    std::set<std::pair<PlanField::Kind, int>> knownSettings;
    for (const PlanField& field : AllPlanFields()) {
        if (!Covered(field, bytes) || !SameValue(shownFirst, values, field))
            continue;
        if (field.kind == PlanField::Kind::Cell)
            knownCells.insert(field.index * kGridCols + field.col);
        else if (field.kind == PlanField::Kind::Option || field.kind == PlanField::Kind::Key)
            knownSettings.insert({field.kind, field.index});
    }

    PlanValues typed = values;
    TypeChannels(values, knownCells, typed, build.refusals);
    TypeSettings(values, knownSettings, typed, build.refusals, build.adjusted);
    if (!build.ok())
        return build;

    RadioImage image = CanonicalImage(typed, bytes);
    for (int pass = 0; pass < 4; ++pass) {
        bool changed = false;
        for (const PlanField& field : AllPlanFields()) {
            const PlanValues shown = ShownValues(image);
            if (SameValue(shown, typed, field))
                continue;
            PutValue(typed, shown, field, image);
            changed = true;
        }
        if (!changed)
            break;
    }
    build.image = image;
    return build;
}

PlanBytes PlanBytesFor(const RadioImage& image)
{
    const PlanValues values = ShownValues(image);
    RadioImage canonical = NewDocumentImage();
    StoreValues(values, canonical);
    PlanBytes bytes;
    for (std::size_t at = 0; at < kImageSize; ++at) {
        if (IsKeptOffset(at) || canonical[at] != image[at])
            bytes[at] = image[at];
    }
    // Values that typing would not give back (a frequency outside the band,
    // a pick in a list the page would set back) are carried as bytes too.
    for (int round = 0; round < 8; ++round) {
        const PlanBuild build = BuildPlanImage(values, bytes);
        if (build.ok() && build.image == image)
            return bytes;
        std::set<std::size_t> add;
        for (const PlanRefusal& refusal : build.refusals) {
            for (std::size_t at : Footprint(refusal.field))
                add.insert(at);
        }
        if (build.ok()) {
            for (const PlanField& field : AllPlanFields()) {
                const auto& offsets = Footprint(field);
                if (std::any_of(offsets.begin(), offsets.end(), [&](std::size_t at) { return build.image[at] != image[at]; }))
                    add.insert(offsets.begin(), offsets.end());
            }
        }
        std::size_t before = bytes.size();
        for (std::size_t at : add)
            bytes[at] = image[at];
        if (bytes.size() == before)
            break;
    }
    for (std::size_t at = 0; at < kImageSize; ++at)
        bytes[at] = image[at];
    return bytes;
}

}  // namespace zem
