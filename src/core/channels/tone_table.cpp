#include "channels/tone_table.h"

#include <array>
#include <string>

namespace zem {

namespace {

// CTCSS tones in hertz, as the list shows them.
constexpr std::array<const char*, 50> kTones = {
    "67.0", "69.3", "71.9", "74.4", "77.0", "79.7", "82.5", "85.4", "88.5", "91.5",
    "94.8", "97.4", "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
    "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.5",
    "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1",
};

// DCS codes, three octal digits each; every code is offered with normal
// ("N") and with inverted ("I") polarity.
constexpr std::array<const char*, 105> kDcsCodes = {
    "023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054", "065",
    "071", "072", "073", "074", "114", "115", "116", "122", "125", "131", "132", "134",
    "143", "145", "152", "155", "156", "162", "165", "172", "174", "205", "212", "223",
    "225", "226", "243", "244", "245", "246", "251", "252", "255", "261", "263", "265",
    "266", "271", "274", "306", "311", "315", "325", "331", "332", "343", "346", "351",
    "356", "364", "365", "371", "411", "412", "413", "423", "431", "432", "445", "446",
    "452", "454", "455", "462", "464", "465", "466", "503", "506", "516", "523", "526",
    "532", "546", "565", "606", "612", "624", "627", "631", "632", "645", "654", "662",
    "664", "703", "712", "723", "731", "732", "734", "743", "754",
};

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualIgnoringCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t k = 0; k < a.size(); ++k) {
        if (LowerAscii(a[k]) != LowerAscii(b[k]))
            return false;
    }
    return true;
}

std::vector<std::string> BuildToneTable()
{
    std::vector<std::string> table;
    table.reserve(1 + kTones.size() + 2 * kDcsCodes.size());
    table.emplace_back("OFF");
    for (const char* tone : kTones)
        table.emplace_back(tone);
    for (const char* code : kDcsCodes)
        table.push_back(std::string("D") + code + "N");
    for (const char* code : kDcsCodes)
        table.push_back(std::string("D") + code + "I");
    return table;
}

}  // namespace

const std::vector<std::string>& ToneTable()
{
    static const std::vector<std::string> table = BuildToneTable();
    return table;
}

int FindTone(const std::string& text)
{
    const std::vector<std::string>& table = ToneTable();
    for (std::size_t k = 0; k < table.size(); ++k) {
        if (EqualIgnoringCase(table[k], text))
            return static_cast<int>(k);
    }
    return -1;
}

namespace {

// The value of a plain decimal number in tenths ("67" 670, "67.00" 670);
// -1 for anything else or a value between two tenths ("67.05").
long Tenths(const std::string& text)
{
    const std::size_t point = text.find('.');
    const std::string whole = text.substr(0, point);
    const std::string fraction = point == std::string::npos ? std::string() : text.substr(point + 1);
    auto digits = [](const std::string& part) {
        return part.find_first_not_of("0123456789") == std::string::npos;
    };
    if (whole.empty() || whole.size() > 4 || !digits(whole) || !digits(fraction))
        return -1;
    if (fraction.find_first_not_of('0', 1) != std::string::npos)
        return -1;
    return std::stol(whole) * 10 + (fraction.empty() ? 0 : fraction[0] - '0');
}

}  // namespace

int MatchTone(const std::string& text)
{
    const int exact = FindTone(text);
    if (exact >= 0)
        return exact;
    const long tenths = Tenths(text);
    if (tenths <= 0)
        return -1;
    const std::vector<std::string>& table = ToneTable();
    for (std::size_t k = 1; k < table.size() && table[k][0] != 'D'; ++k) {
        if (Tenths(table[k]) == tenths)
            return static_cast<int>(k);
    }
    return -1;
}

}  // namespace zem
