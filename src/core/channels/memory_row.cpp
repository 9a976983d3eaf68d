#include "channels/memory_row.h"

#include "channels/tone_table.h"
#include "translate.h"
#include "trimmed.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace zem::memory_row {

const std::array<const char*, kFieldCount> kHeader = {
    "Location", "Name", "Frequency", "Duplex", "Offset", "Tone", "rToneFreq", "cToneFreq", "DtcsCode",
    "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode", "TStep", "Skip", "Power", "Comment",
};

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

bool ParseFixed(const std::string& raw, int decimals, std::int64_t& out)
{
    const std::string text = Trimmed(raw);
    std::int64_t whole = 0;
    std::size_t i = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        if (whole > 100'000'000)
            return false;
        whole = whole * 10 + (text[i] - '0');
    }
    if (i == 0)
        return false;
    std::int64_t fraction = 0;
    int digits = 0;
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i, ++digits) {
            if (digits >= decimals)
                return false;
            fraction = fraction * 10 + (text[i] - '0');
        }
    }
    if (i != text.size())
        return false;
    for (; digits < decimals; ++digits)
        fraction *= 10;
    std::int64_t scale = 1;
    for (int d = 0; d < decimals; ++d)
        scale *= 10;
    out = whole * scale + fraction;
    return true;
}

std::string HzText(std::int64_t hz)
{
    char text[32];
    std::snprintf(text, sizeof text, "%lld.%06lld", static_cast<long long>(hz / 1'000'000),
                  static_cast<long long>(hz % 1'000'000));
    return text;
}

std::string FieldText(const CsvRecord& record, const Columns& columns, Field f)
{
    const int i = columns[f];
    return i < 0 || static_cast<std::size_t>(i) >= record.fields.size() ? std::string()
                                                                        : Trimmed(record.fields[static_cast<std::size_t>(i)]);
}

MemoryRefusal Refusal(const CsvRecord& record, const Columns& columns, Field f, Text message)
{
    return {record.line, FieldText(record, columns, kLocation), kHeader[f], FieldText(record, columns, f),
            std::move(message)};
}

namespace {

class RowReader {
public:
    RowReader(const CsvRecord& record, const Columns& index, MemoryImport& result)
        : record_(record), index_(index), result_(result) {}

    std::string field(Field f) const { return FieldText(record_, index_, f); }

    // A field's refusal, said once however often the row reads the field;
    // message is marked in "zem::Channels".
    void refuse(Field f, const char* message) {
        MemoryRefusal refusal = Refusal(record_, index_, f, Text(kTextChannels, message));
        if (refusal.value.empty()) {  // an empty cell has nothing to quote
            refusal.message = Text(kTextChannels, ZEM_TRANSLATE_NOOP("zem::Channels", "%1 is empty"), {refusal.column});
            refusal.column.clear();
        }
        for (const MemoryRefusal& said : result_.refusals) {
            if (said.line == refusal.line && said.column == refusal.column &&
                said.message.english() == refusal.message.english())
                return;
        }
        result_.refusals.push_back(std::move(refusal));
    }

    // A CTCSS tone in Hz as the tone list writes it; empty after a refusal.
    std::string ctcss(Field f) {
        std::int64_t hundredths = 0;
        if (ParseFixed(field(f), 2, hundredths) && hundredths % 10 == 0) {
            const std::string text = std::to_string(hundredths / 100) + "." + std::to_string(hundredths / 10 % 10);
            if (FindTone(text) > 0)
                return text;
        }
        refuse(f, ZEM_TRANSLATE_NOOP("zem::Channels", "not a CTCSS tone of the tone list"));
        return {};
    }

    // A DCS code with the polarity letter N or R, as "D023N" / "D023I".
    std::string dcs(Field f, char polarity) {
        const std::string code = field(f);
        std::int64_t number = 0;
        if (code.size() <= 3 && ParseFixed(code, 0, number)) {
            char text[8];
            std::snprintf(text, sizeof text, "D%03d%c", static_cast<int>(number), polarity == 'R' ? 'I' : 'N');
            if (FindTone(text) > 0)
                return text;
        }
        refuse(f, ZEM_TRANSLATE_NOOP("zem::Channels", "not a DCS code of the tone list"));
        return {};
    }

    bool read(Memory& memory) {
        const std::size_t before = result_.refusals.size();
        memory.line = record_.line;
        memory.locationText = field(kLocation);
        memory.name = field(kName);
        memory.power = field(kPower);
        std::int64_t rx = 0;
        if (!ParseFixed(field(kFrequency), 6, rx) || rx == 0)
            refuse(kFrequency, ZEM_TRANSLATE_NOOP("zem::Channels", "not a frequency in MHz"));
        memory.cells[kColReceive] = HzText(rx);
        memory.written[kColReceive] = field(kFrequency);
        transmit(memory, rx);
        tones(memory);
        const std::string mode = field(kMode);
        if (mode == "FM" || mode.empty())
            memory.cells[kColBandwidth] = "Wide";
        else if (mode == "NFM")
            memory.cells[kColBandwidth] = "Narrow";
        else
            refuse(kMode, ZEM_TRANSLATE_NOOP("zem::Channels", "this radio stores only FM (Wide) and NFM (Narrow)"));
        const std::string skip = field(kSkip);
        if (skip == "S")
            memory.cells[kColScan] = "No";
        else if (skip.empty() || skip == "P")
            memory.cells[kColScan] = "Yes";
        else
            refuse(kSkip, ZEM_TRANSLATE_NOOP("zem::Channels", "must be S, P or empty"));
        return result_.refusals.size() == before;
    }

private:
    void transmit(Memory& memory, std::int64_t rx) {
        const std::string duplex = Lower(field(kDuplex));
        std::int64_t offset = 0;
        const bool offsetOk = ParseFixed(field(kOffset), 6, offset);
        if (duplex.empty()) {
            memory.cells[kColTransmit] = memory.cells[kColReceive];
        } else if (duplex == "off") {
            memory.cells[kColTransmit].clear();
        } else if (duplex == "+" || duplex == "-" || duplex == "split") {
            if (!offsetOk) {
                refuse(kOffset, ZEM_TRANSLATE_NOOP("zem::Channels", "not a frequency in MHz"));
                return;
            }
            const std::int64_t tx = duplex == "+" ? rx + offset : duplex == "-" ? rx - offset : offset;
            if (tx <= 0) {
                refuse(kOffset, ZEM_TRANSLATE_NOOP("zem::Channels", "the transmit frequency would be below zero"));
                return;
            }
            memory.cells[kColTransmit] = HzText(tx);
            memory.written[kColTransmit] = field(kOffset);
            if (duplex != "split")
                memory.computed = Text(kTextChannels, ZEM_TRANSLATE_NOOP("zem::Channels", "transmit %1"), {HzText(tx)});
        } else {
            refuse(kDuplex, ZEM_TRANSLATE_NOOP("zem::Channels", "must be empty, +, -, split or off"));
        }
    }

    void tones(Memory& memory) {
        std::string polarity = field(kPolarity);
        if (polarity.empty())
            polarity = "NN";
        const bool polarityOk = polarity.size() == 2 && (polarity[0] == 'N' || polarity[0] == 'R') &&
                                (polarity[1] == 'N' || polarity[1] == 'R');
        const std::string mode = field(kTone);
        std::string tx;
        std::string rx;
        if (mode == "DTCS" || mode == "Cross") {
            if (!polarityOk) {
                refuse(kPolarity, ZEM_TRANSLATE_NOOP("zem::Channels", "must be two letters N or R, transmit then receive"));
                return;
            }
        }
        if (mode.empty()) {
        } else if (mode == "Tone") {
            tx = ctcss(kRTone);
        } else if (mode == "TSQL") {
            tx = rx = ctcss(kCTone);
        } else if (mode == "DTCS") {
            tx = dcs(kDtcs, polarity[0]);
            rx = dcs(kDtcs, polarity[1]);
        } else if (mode == "Cross") {
            const std::string cross = field(kCross);
            const auto arrow = cross.find("->");
            const std::string sendPart = arrow == std::string::npos ? "?" : cross.substr(0, arrow);
            const std::string hearPart = arrow == std::string::npos ? "?" : cross.substr(arrow + 2);
            const bool known = (sendPart.empty() || sendPart == "Tone" || sendPart == "DTCS") &&
                               (hearPart.empty() || hearPart == "Tone" || hearPart == "DTCS") &&
                               !(sendPart.empty() && hearPart.empty());
            if (!known) {
                refuse(kCross, ZEM_TRANSLATE_NOOP("zem::Channels", "not a cross mode this radio can hold"));
                return;
            }
            if (sendPart == "Tone")
                tx = ctcss(kRTone);
            else if (sendPart == "DTCS")
                tx = dcs(kDtcs, polarity[0]);
            if (hearPart == "Tone")
                rx = ctcss(kCTone);
            else if (hearPart == "DTCS")
                rx = dcs(kRxDtcs, polarity[1]);
        } else {
            refuse(kTone, ZEM_TRANSLATE_NOOP("zem::Channels", "must be empty, Tone, TSQL, DTCS or Cross"));
        }
        memory.cells[kColEncode] = tx;
        memory.cells[kColDecode] = rx;
    }

    const CsvRecord& record_;
    const Columns& index_;
    MemoryImport& result_;
};

}  // namespace

bool ReadRow(const CsvRecord& record, const Columns& columns, MemoryImport& result, Memory& memory)
{
    return RowReader(record, columns, result).read(memory);
}

}  // namespace zem::memory_row
