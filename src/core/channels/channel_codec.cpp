#include "channels/channel_codec.h"

#include "channels/band.h"
#include "channels/frequency.h"
#include "document/memory_map.h"

#include <cstddef>

namespace zem {

namespace {

constexpr std::uint8_t kBusyMask = 0x03;
constexpr std::uint8_t kBusyCarrier = 0x01;
constexpr std::uint8_t kBusyDtDqt = 0x02;
constexpr std::uint8_t kPttBit = 0x04;
constexpr std::uint8_t kWideBit = 0x08;
constexpr std::uint8_t kScanBit = 0x10;
constexpr std::uint8_t kHighPowerBit = 0x20;

std::string FrequencyText(const std::uint8_t* bytes)
{
    return IsAbsentFrequency(bytes) ? std::string() : FormatFrequency(DecodeBcd(bytes));
}

bool ContainsEither(const std::string& text, char upper, char lower)
{
    return text.find(upper) != std::string::npos || text.find(lower) != std::string::npos;
}

// The digits of a DCS text after its first character, read as a decimal
// integer: leading blanks, an optional sign, then digits only ("023N" is 23).
long long LeadingInteger(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (value < 1'000'000'000'000LL)  // far beyond any code; only keeps the arithmetic in range
            value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}

}  // namespace

std::string DecodeToneWord(std::uint8_t low, std::uint8_t high)
{
    if (high == 0x00 || high == 0xFF)
        return {};
    if (high <= 0x0F) {
        const int tenths = high * 256 + low;
        return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
    }
    const int first = (high & 0x01) * 4 + low / 64;
    const int second = (low / 8) % 8;
    const int third = low % 8;
    return "D" + std::to_string(first) + std::to_string(second) + std::to_string(third) + (high < 0x30 ? "N" : "I");
}

void EncodeToneText(const std::string& text, std::uint8_t& low, std::uint8_t& high)
{
    if (ContainsEither(text, 'D', 'd')) {
        const std::string rest = text.substr(1);
        int highByte = ContainsEither(rest, 'N', 'n') ? 0x28 : 0xA8;  // no suffix counts as inverted
        const long long number = LeadingInteger(rest);
        const long long a = number / 100;
        const long long b = (number % 100) / 10;
        const long long c = number % 10;
        if (a >= 4)
            highByte += 1;  // the code's ninth bit
        low = static_cast<std::uint8_t>((a * 64 + b * 8 + c) % 256);
        high = static_cast<std::uint8_t>(highByte);
        return;
    }
    const std::int64_t tone = TextToTenths(text);
    if (tone == 0) {
        low = 0xFF;
        high = 0xFF;
        return;
    }
    low = static_cast<std::uint8_t>(tone % 256);
    high = static_cast<std::uint8_t>((tone / 256) % 256);
}

void FillFromImage(const RadioImage& image, ChannelPageValues& page)
{
    ChannelTable& cells = page.cells;
    for (int row = 1; row <= kChannelCount; ++row) {
        const std::uint8_t* record = image.data() + row * kRecordSize;
        cells.setText(row, kColReceive, FrequencyText(record));
        cells.setText(row, kColTransmit, FrequencyText(record + kRecordTransmit));
        cells.setText(row, kColDecode, DecodeToneWord(record[kRecordDecode], record[kRecordDecode + 1]));
        cells.setText(row, kColEncode, DecodeToneWord(record[kRecordEncode], record[kRecordEncode + 1]));

        // An empty channel shows no settings, whatever its flags byte holds.
        if (IsAbsentFrequency(record) && IsAbsentFrequency(record + kRecordTransmit)) {
            for (int col = kColScan; col <= kColPtt; ++col)
                cells.setText(row, col, std::string());
            continue;
        }
        const std::uint8_t flags = record[kRecordFlags];
        const std::uint8_t busy = flags & kBusyMask;
        cells.setText(row, kColBusy, busy == kBusyCarrier ? "Carrier" : busy == kBusyDtDqt ? "DT/DQT" : "Off");
        cells.setText(row, kColPtt, (flags & kPttBit) ? "On" : "Off");
        cells.setText(row, kColScan, (flags & kScanBit) ? "Yes" : "No");
        cells.setText(row, kColBandwidth, (flags & kWideBit) ? "Wide" : "Narrow");
        cells.setText(row, kColPower, (flags & kHighPowerBit) ? "High" : "Low");
    }

    page.typeIndex = image[kTypeOffset] != 0xFF ? 1 : 0;
    page.bandIndex = 4;
    for (int band = 0; band < static_cast<int>(kBandLimitBytes.size()); ++band) {
        bool same = true;
        for (std::size_t k = 0; k < 8; ++k)
            same = same && image[kBandLimitOffset + k] == kBandLimitBytes[band][k];
        if (same) {
            page.bandIndex = band;
            break;
        }
    }
}

void StoreToImage(const ChannelPageValues& page, RadioImage& image)
{
    const ChannelTable& cells = page.cells;
    for (int row = 1; row <= kChannelCount; ++row) {
        std::uint8_t* record = image.data() + row * kRecordSize;
        EncodeBcd(TextToUnits(cells.text(row, kColReceive)), record);
        EncodeBcd(TextToUnits(cells.text(row, kColTransmit)), record + kRecordTransmit);
        EncodeToneText(cells.text(row, kColDecode), record[kRecordDecode], record[kRecordDecode + 1]);
        EncodeToneText(cells.text(row, kColEncode), record[kRecordEncode], record[kRecordEncode + 1]);

        std::uint8_t flags = record[kRecordFlags];  // bits 7-6 are the radio's own and stay
        SetBit(flags, kScanBit, cells.text(row, kColScan) == "Yes");
        SetBit(flags, kHighPowerBit, cells.text(row, kColPower) == "High");
        SetBit(flags, kWideBit, cells.text(row, kColBandwidth) == "Wide");
        flags = static_cast<std::uint8_t>(flags & ~kBusyMask);
        const std::string& busy = cells.text(row, kColBusy);
        if (busy == "Carrier")
            flags |= kBusyCarrier;
        else if (busy == "DT/DQT")
            flags |= kBusyDtDqt;
        else if (busy != "Off")
            flags |= kBusyCarrier | kScanBit;  // what the radio has always been sent for an unset busy lock
        SetBit(flags, kPttBit, cells.text(row, kColPtt) == "On");
        record[kRecordFlags] = flags;
    }

    for (std::size_t k : {0u, 1u, 4u, 5u})
        image[kBandLimitOffset + k] = 0x00;
    const bool knownBand = page.bandIndex >= 0 && page.bandIndex < static_cast<int>(kBandLimitBytes.size());
    for (std::size_t k : {2u, 3u, 6u, 7u})
        image[kBandLimitOffset + k] = knownBand ? kBandLimitBytes[page.bandIndex][k] : 0xFF;
    image[kTypeOffset] = page.typeIndex == 0 ? 0xFF : 0x05;
}

}  // namespace zem
