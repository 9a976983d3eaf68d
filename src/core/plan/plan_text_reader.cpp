#include "plan/plan_text.h"

#include "channels/band.h"
#include "channels/channel_commit.h"
#include "plan/plan_build.h"
#include "trimmed.h"

#include <yaml-cpp/yaml.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <map>
#include <set>

namespace zem {

namespace {

const std::array<const char*, kGridCols> kChannelKeys = {
    "ch", "receive", "transmit", "decode", "encode", "scan", "power", "bandwidth", "busy", "ptt",
};
const char* const kSections[] = {"zem-plan", "type", "band", "channels", "options", "keys", "power", "bytes"};

struct Place {
    int line = 0;
    int column = 0;
    std::string key;
};

Place At(const YAML::Node& node, std::string key)
{
    const YAML::Mark mark = node.Mark();
    return {mark.line + 1, mark.column + 1, std::move(key)};
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

class Reader {
public:
    std::vector<PlanTextError> errors;
    PlanValues values;
    PlanBytes bytes;
    std::map<int, Place> places;  // by field number, for the refusals of the build
    bool hasBytes = false;        // the text has a bytes section

    void fail(const Place& place, const std::string& value, const std::string& message) {
        errors.push_back({place.line, place.column, place.key, value, message});
    }

    // The scalar text of a value; a null value reads as empty text.
    bool text(const YAML::Node& node, const Place& place, std::string& out) {
        if (node.IsNull()) {
            out.clear();
            return true;
        }
        if (!node.IsScalar()) {
            fail(place, "", "must be a single value");
            return false;
        }
        out = node.Scalar();
        return true;
    }

    // The pairs of a mapping by key, each key once; unknown keys and
    // missing ones are errors.
    std::map<std::string, std::pair<YAML::Node, YAML::Node>> pairs(const YAML::Node& map, const Place& place,
                                                                   const std::vector<std::string>& known,
                                                                   const std::string& prefix, bool allRequired) {
        std::map<std::string, std::pair<YAML::Node, YAML::Node>> found;
        if (!map.IsMap()) {
            fail(place, "", "must be a mapping of keys to values");
            return found;
        }
        for (const auto& pair : map) {
            const std::string name = pair.first.IsScalar() ? pair.first.Scalar() : std::string();
            const Place keyPlace = At(pair.first, prefix + name);
            if (std::find(known.begin(), known.end(), name) == known.end())
                fail(keyPlace, "", "unknown key");
            else if (found.count(name))
                fail(keyPlace, "", "the key appears twice");
            else
                found[name] = {pair.first, pair.second};
        }
        if (allRequired) {
            for (const auto& name : known) {
                if (!found.count(name))
                    fail(place, "", "the key " + prefix + name + " is missing");
            }
        }
        return found;
    }

    int entry(const YAML::Node& node, const Place& place, const std::vector<std::string>& entries) {
        std::string value;
        if (!text(node, place, value))
            return -1;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (entries[i] == value)
                return static_cast<int>(i);
        }
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (Lower(Trimmed(entries[i])) == Lower(Trimmed(value)))
                return static_cast<int>(i);
        }
        std::string list;
        for (const auto& e : entries)
            list += (list.empty() ? "\"" : ", \"") + e + "\"";
        fail(place, value, "must be one of " + list);
        return -1;
    }

    void number(const YAML::Node& node, const Place& place, int min, int max, int& out) {
        std::string value;
        if (!text(node, place, value))
            return;
        const bool digits = !value.empty() && value.size() <= 4 &&
                            std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
        const int n = digits ? std::stoi(value) : -1;
        if (n < min || n > max) {
            fail(place, value, "must be a whole number from " + std::to_string(min) + " to " + std::to_string(max));
            return;
        }
        out = n;
    }

    void channels(const YAML::Node& list, const Place& place) {
        if (!list.IsSequence()) {
            fail(place, "", "must be a list of the 16 channels");
            return;
        }
        const std::vector<std::string> keys(kChannelKeys.begin(), kChannelKeys.end());
        std::set<int> seen;
        for (const auto& item : list) {
            const Place itemPlace = At(item, "channels");
            auto found = pairs(item, itemPlace, keys, "", true);
            if (!found.count("ch"))
                continue;
            int ch = 0;
            number(found["ch"].second, At(found["ch"].second, "ch"), 1, kChannelCount, ch);
            if (ch == 0)
                continue;
            if (!seen.insert(ch).second) {
                fail(At(found["ch"].second, "ch"), std::to_string(ch), "the channel appears twice");
                continue;
            }
            for (int col = kColReceive; col <= kColPtt; ++col) {
                const auto it = found.find(kChannelKeys[static_cast<std::size_t>(col)]);
                if (it == found.end())
                    continue;
                const Place cellPlace =
                    At(it->second.second, "channel " + std::to_string(ch) + " " + kChannelKeys[static_cast<std::size_t>(col)]);
                std::string value;
                if (text(it->second.second, cellPlace, value))
                    values.channels.cells.setText(ch, col, value);
                places[FieldNumber({PlanField::Kind::Cell, ch, col})] = cellPlace;
            }
        }
        for (int ch = 1; ch <= kChannelCount; ++ch) {
            if (!seen.count(ch))
                fail(place, "", "channel " + std::to_string(ch) + " is missing");
        }
    }

    void settings(const YAML::Node& map, const Place& place, PlanField::Kind kind, const std::string& prefix) {
        const std::vector<SettingEntry>& described = PlanSettings(kind);
        std::vector<std::string> names;
        for (const auto& s : described)
            names.push_back(s.key);
        auto found = pairs(map, place, names, prefix, true);
        for (std::size_t i = 0; i < described.size(); ++i) {
            const SettingEntry& s = described[i];
            const auto it = found.find(s.key);
            if (it == found.end())
                continue;
            const YAML::Node& node = it->second.second;
            const Place valuePlace = At(node, prefix + s.key);
            places[FieldNumber({kind, static_cast<int>(i), 0})] = valuePlace;
            if (s.kind == SettingKind::Check) {
                std::string value;
                if (!text(node, valuePlace, value))
                    continue;
                const std::string word = Lower(Trimmed(value));
                if (word == "true" || word == "false")
                    CheckIn(s, values.options) = word == "true";
                else
                    fail(valuePlace, value, "must be true or false");
            } else if (s.kind == SettingKind::Code) {
                text(node, valuePlace, CodeIn(s, values.options));
            } else {
                const int index = entry(node, valuePlace, s.entries());
                if (index >= 0)
                    IndexIn(s, values.options, values.keys) = index;
            }
        }
    }

    void power(const YAML::Node& map, const Place& place) {
        auto found = pairs(map, place, {"low", "high"}, "power.", true);
        for (int half = 0; half < 2; ++half) {
            const char* name = half == 0 ? "low" : "high";
            const auto it = found.find(name);
            if (it == found.end())
                continue;
            const YAML::Node& list = it->second.second;
            const Place listPlace = At(list, std::string("power.") + name);
            if (!list.IsSequence() || list.size() != static_cast<std::size_t>(kPowerPointCount)) {
                fail(listPlace, "", "must be a list of 7 values from 0 to 255");
                continue;
            }
            for (int p = 0; p < kPowerPointCount; ++p) {
                const YAML::Node node = list[static_cast<std::size_t>(p)];
                const Place valuePlace = At(node, std::string("power.") + name + "[" + std::to_string(p + 1) + "]");
                int value = -1;
                number(node, valuePlace, 0, 255, value);
                if (value < 0)
                    continue;
                auto& target = half == 0 ? values.power.low : values.power.high;
                target[static_cast<std::size_t>(p)] = static_cast<std::uint8_t>(value);
                places[FieldNumber({PlanField::Kind::Power, half * kPowerPointCount + p, 0})] = valuePlace;
            }
        }
    }

    void byteRuns(const YAML::Node& map, const Place& place) {
        if (map.IsNull())
            return;
        if (!map.IsMap()) {
            fail(place, "", "must be a mapping of addresses to bytes");
            return;
        }
        for (const auto& pair : map) {
            const std::string address = pair.first.IsScalar() ? pair.first.Scalar() : std::string();
            const Place keyPlace = At(pair.first, "bytes." + address);
            std::size_t start = 0;
            if (!ParseAddress(pair.first, start)) {
                fail(keyPlace, "", "not an address: hex text 0x000 to 0x3FF or a number 0 to 1023");
                continue;
            }
            std::string run;
            if (!text(pair.second, At(pair.second, keyPlace.key), run))
                continue;
            std::size_t at = start;
            std::size_t pos = 0;
            while (pos < run.size()) {
                if (run[pos] == ' ' || run[pos] == '\t') {
                    ++pos;
                    continue;
                }
                const std::size_t end = std::min(run.find_first_of(" \t", pos), run.size());
                std::size_t value = 0;
                const std::string word = run.substr(pos, end - pos);
                pos = end;
                if (word.size() != 2 || !ParseHex(word, 0, value)) {
                    fail(At(pair.second, keyPlace.key), word, "not a byte in hex (00 to FF)");
                    break;
                }
                if (at >= kImageSize || bytes.count(at)) {
                    fail(At(pair.second, keyPlace.key), word,
                         at >= kImageSize ? "runs past the end of the image" : "the byte is given twice");
                    break;
                }
                bytes[at++] = static_cast<std::uint8_t>(value);
            }
        }
    }

    static int FieldNumber(const PlanField& field) {
        return static_cast<int>(field.kind) * 1000 + field.index * kGridCols + field.col;
    }

    // An address key: the hex text this program writes ("0x01D", also
    // quoted), or, unquoted, a whole number in any YAML notation (29, 0x1D,
    // 0o35, 0b11101), as YAML tools write the key back once they have read
    // it as a number. A bare number with a leading zero (035) is octal to
    // some readers and decimal to others, so it is no address.
    static bool ParseAddress(const YAML::Node& key, std::size_t& out) {
        if (!key.IsScalar())
            return false;
        const std::string text = key.Scalar();
        if (key.Tag() == "!")  // quoted: text, which must be the hex form
            return ParseHex(text, 2, out) && out < kImageSize;
        int base = 10;
        std::size_t skip = 0;
        if (text.size() > 2 && text[0] == '0' && std::isalpha(static_cast<unsigned char>(text[1]))) {
            const char mark = static_cast<char>(std::tolower(static_cast<unsigned char>(text[1])));
            base = mark == 'x' ? 16 : mark == 'o' ? 8 : mark == 'b' ? 2 : 0;
            skip = 2;
        } else if (text.size() > 1 && text[0] == '0') {
            return false;
        }
        if (base == 0 || text.size() == skip || text.size() - skip > 12)
            return false;
        out = 0;
        for (std::size_t i = skip; i < text.size(); ++i) {
            const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(text[i])));
            const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : 99;
            if (digit >= base)
                return false;
            out = out * static_cast<std::size_t>(base) + static_cast<std::size_t>(digit);
        }
        return out < kImageSize;
    }

    // Hex digits after a prefix of skip characters that must read "0x".
    static bool ParseHex(const std::string& text, std::size_t skip, std::size_t& out) {
        if (skip == 2 && (text.size() < 3 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X')))
            return false;
        if (text.size() - skip > 4 || text.size() == skip)
            return false;
        out = 0;
        for (std::size_t i = skip; i < text.size(); ++i) {
            const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(text[i])));
            const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
            if (digit < 0)
                return false;
            out = out * 16 + static_cast<std::size_t>(digit);
        }
        return true;
    }

    void read(const YAML::Node& root) {
        const Place top{1, 1, ""};
        // "zem-plan" names the format; it is written first, but a tool that
        // sorts the keys moves it, so it may stand anywhere at the top.
        YAML::Node version;
        bool named = false;
        if (root.IsMap()) {
            for (const auto& pair : root) {
                if (!named && pair.first.IsScalar() && pair.first.Scalar() == "zem-plan") {
                    version.reset(pair.second);
                    named = true;
                }
            }
        }
        if (!named) {
            fail(top, "", "not a plan text: it has no top-level key \"zem-plan: 1\"");
            return;
        }
        if (!version.IsScalar() || version.Scalar() != "1") {
            fail(At(version, "zem-plan"), version.IsScalar() ? version.Scalar() : "",
                 "this program reads version 1 of the plan text");
            return;
        }
        auto found = pairs(root, top, std::vector<std::string>(std::begin(kSections), std::end(kSections)), "", false);
        for (const char* name : kSections) {
            if (!found.count(name) && std::string(name) != "bytes")
                fail(top, "", std::string("the key ") + name + " is missing");
        }
        values = ShownValues(NewDocumentImage());
        auto node = [&](const char* name) { return found[name].second; };
        auto place = [&](const char* name) { return At(found[name].first, name); };
        if (found.count("type")) {
            values.channels.typeIndex = entry(node("type"), At(node("type"), "type"), TypeEntries());
            places[FieldNumber({PlanField::Kind::Type, 0, 0})] = At(node("type"), "type");
        }
        if (found.count("band")) {
            values.channels.bandIndex = entry(node("band"), At(node("band"), "band"), BandEntries());
            places[FieldNumber({PlanField::Kind::Band, 0, 0})] = At(node("band"), "band");
        }
        if (found.count("channels"))
            channels(node("channels"), place("channels"));
        if (found.count("options"))
            settings(node("options"), place("options"), PlanField::Kind::Option, "options.");
        if (found.count("keys"))
            settings(node("keys"), place("keys"), PlanField::Kind::Key, "keys.");
        if (found.count("power"))
            power(node("power"), place("power"));
        hasBytes = found.count("bytes") != 0;
        if (hasBytes)
            byteRuns(node("bytes"), place("bytes"));
    }
};

// The bytes that no value determines and the text does not give, as
// address ranges ("0x000-0x00F, 0x3E0"); an exported plan gives them all.
std::string MissingBytes(const PlanBytes& bytes)
{
    std::string out;
    char text[16];
    for (std::size_t at = 0; at < kImageSize; ++at) {
        if (!IsKeptOffset(at) || bytes.count(at))
            continue;
        std::size_t end = at;
        while (end + 1 < kImageSize && IsKeptOffset(end + 1) && !bytes.count(end + 1))
            ++end;
        if (end == at)
            std::snprintf(text, sizeof text, "0x%03zX", at);
        else
            std::snprintf(text, sizeof text, "0x%03zX-0x%03zX", at, end);
        out += (out.empty() ? "" : ", ") + std::string(text);
        at = end;
    }
    return out;
}

}  // namespace

bool PlanTextReadable()
{
    return true;
}

PlanTextImport ImportPlanText(const std::string& text)
{
    PlanTextImport result;
    Reader reader;
    try {
        reader.read(YAML::Load(text));
    } catch (const YAML::Exception& e) {
        result.errors.push_back({e.mark.line + 1, e.mark.column + 1, "", "", e.msg});
        return result;
    }
    if (!reader.errors.empty()) {
        result.errors = std::move(reader.errors);
        return result;
    }
    const PlanBuild build = BuildPlanImage(reader.values, reader.bytes);
    for (const PlanRefusal& refusal : build.refusals) {
        const Place place = reader.places[Reader::FieldNumber(refusal.field)];
        std::string message = refusal.message;
        if (refusal.field.kind == PlanField::Kind::Cell &&
            (refusal.field.col == kColReceive || refusal.field.col == kColTransmit) && message == kMsgErrorDataFormat)
            message += " (" + OutOfBandNote(reader.values.channels.bandIndex).english() + ")";
        result.errors.push_back({place.line, place.column, place.key, refusal.value, message});
    }
    for (const PlanRefusal& adjusted : build.adjusted)
        result.notes.push_back(std::string(PlanSetting(adjusted.field).key) + ": " +
                               adjusted.message);
    if (const std::string missing = MissingBytes(reader.bytes); !missing.empty())
        result.notes.push_back(!reader.bytes.empty() ? "bytes: nothing given for " + missing +
                                                           "; a new document's bytes were taken there"
                                                     : std::string("bytes: the section is ") +
                                                           (reader.hasBytes ? "empty" : "missing") +
                                                           "; the bytes no value above determines were taken "
                                                           "from a new document");
    result.image = build.image;
    return result;
}

}  // namespace zem
