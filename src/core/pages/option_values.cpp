#include "pages/option_values.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <tuple>

namespace zem {

const char* const kMsgPttIdNotCorrect = "The PTT ID you input are not correct,it will be changed to zero";
const char* const kMsgPttIdTooShort = "The  PTT ID you input is too short,It will be suffixed with zero";

namespace {

constexpr std::size_t kVoiceOffset = 0x130;     // voice/beep, VOX, clone, compander, alarm, scramble
constexpr std::size_t kFunctionOffset = 0x131;  // whisper, save energy, lock detect, scan, energy check
constexpr std::size_t kPttIdOffset = 0x132;     // PTT ID enables, DTMF side tone
constexpr std::size_t kDtmfSpeedOffset = 0x133;
constexpr std::size_t kSquelchOffset = 0x134;
constexpr std::size_t kVoxLevelOffset = 0x135;
constexpr std::size_t kWhisperLevelOffset = 0x136;
constexpr std::size_t kTimeOutOffset = 0x137;
constexpr std::size_t kReceiveRecoveryOffset = 0x138;
constexpr std::size_t kTransmitRecoveryOffset = 0x139;
constexpr std::size_t kFirstDigitTimeOffset = 0x13B;
constexpr std::size_t kFirstDigitDelayOffset = 0x13C;
constexpr std::size_t kPttIdStartOffset = 0x210;
constexpr std::size_t kPttIdEndOffset = 0x218;

constexpr int kScanPause = 129;        // the last recovery entry
constexpr int kDtmfSpeedBase = 4;      // entry 0 is 4 digits per second
constexpr char kUnknownDigit = '?';    // a stored code byte that is no digit

bool Bit(std::uint8_t byte, int bit) { return (byte >> bit) & 1; }

int EntryOr(int value, int last, int fallback) { return value >= 0 && value <= last ? value : fallback; }

bool InList(int index, const std::vector<std::string>& entries)
{
    return index >= 0 && index < static_cast<int>(entries.size());
}

// A list with no valid selection leaves its byte as the radio had it rather
// than writing a value the radio never offered.
void StoreIndex(RadioImage& image, std::size_t offset, int index, const std::vector<std::string>& entries,
                int add = 0)
{
    if (InList(index, entries))
        image[offset] = static_cast<std::uint8_t>(index + add);
}

std::vector<std::string> Numbers(int first, int last, int step)
{
    std::vector<std::string> entries;
    for (int n = first; n <= last; n += step)
        entries.push_back(std::to_string(n));
    return entries;
}

std::string FillCode(const RadioImage& image, std::size_t offset)
{
    std::string code;
    for (std::size_t i = 0; i < kPttIdLength; ++i) {
        const std::uint8_t digit = image[offset + i];
        code += digit <= 9 ? static_cast<char>('0' + digit) : kUnknownDigit;
    }
    return code;
}

// The number of bytes of the UTF-8 character that starts at text[at]: a
// lead byte with its continuation bytes; a stray or cut-off byte counts as
// one character of its own.
std::size_t CharacterLength(const std::string& text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t wanted = lead < 0xC2 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 1;
    std::size_t length = 1;
    while (length < wanted && at + length < text.size() &&
           (static_cast<unsigned char>(text[at + length]) & 0xC0) == 0x80)
        ++length;
    return length == wanted ? length : 1;
}

// Writes a PTT ID code (UTF-8 text as typed) into its eight bytes, one byte
// per typed character: digits as their values, any other character as 0,
// missing digits as 0. Only the first eight characters count; nothing is
// written past the code's own bytes.
void StoreCode(const std::string& text, RadioImage& image, std::size_t offset, Messenger& messenger)
{
    std::size_t length = 0;  // characters stored
    bool reported = false;
    for (std::size_t at = 0; at < text.size() && length < kPttIdLength; ++length) {
        const std::size_t size = CharacterLength(text, at);
        const char c = text[at];
        const bool digit = size == 1 && c >= '0' && c <= '9';
        if (!digit && !reported) {
            messenger.notice(kMsgPttIdNotCorrect);
            reported = true;
        }
        image[offset + length] = digit ? static_cast<std::uint8_t>(c - '0') : 0;
        at += size;
    }
    if (length < kPttIdLength) {
        messenger.notice(kMsgPttIdTooShort);
        for (std::size_t i = length; i < kPttIdLength; ++i)
            image[offset + i] = 0;
    }
}

std::vector<std::string> RecoveryEntries()
{
    std::vector<std::string> entries;
    for (int halves = 1; halves <= kScanPause; ++halves)
        entries.push_back(std::to_string(halves / 2) + (halves % 2 ? ".5 " : ".0 "));
    entries.emplace_back("Scan Pause");
    return entries;
}

auto Tied(const OptionValues& v)
{
    return std::tie(v.scanMode, v.receiveRecovery, v.transmissionRecovery, v.timeOutTimer, v.voiceBeepTone,
                    v.squelchLevel, v.lockDetect, v.whisperLevel, v.whisperEnable, v.voxLevel, v.voxEnable,
                    v.pttIdStart, v.pttIdEnd, v.pttIdStartEnable, v.pttIdEndEnable, v.dtmfSpeed, v.firstDigitTime,
                    v.firstDigitDelay, v.dtmfSideTone, v.energyCheck, v.wiredCloneMode, v.scramble, v.alarmEnable,
                    v.compandExpand, v.saveEnergy);
}

}  // namespace

bool operator==(const OptionValues& a, const OptionValues& b) { return Tied(a) == Tied(b); }

const std::vector<std::string>& OptionEntries::scanMode()
{
    static const std::vector<std::string> entries = {"Off", "Carrier"};
    return entries;
}

const std::vector<std::string>& OptionEntries::recoveryTime()
{
    static const std::vector<std::string> entries = RecoveryEntries();
    return entries;
}

const std::vector<std::string>& OptionEntries::timeOutTimer()
{
    static const std::vector<std::string> entries = {"Off", "30s", "60s", "90s", "120s", "150s", "180s", "210s", "240s", "270s", "300s"};
    return entries;
}

const std::vector<std::string>& OptionEntries::voiceBeepTone()
{
    static const std::vector<std::string> entries = {"Off", "Tone", "Chinese", "English"};
    return entries;
}

const std::vector<std::string>& OptionEntries::squelchLevel()
{
    static const std::vector<std::string> entries = Numbers(0, 9, 1);
    return entries;
}

const std::vector<std::string>& OptionEntries::lockDetect()
{
    static const std::vector<std::string> entries = {"Off", "Detect"};
    return entries;
}

const std::vector<std::string>& OptionEntries::whisperLevel()
{
    static const std::vector<std::string> entries = Numbers(1, 3, 1);
    return entries;
}

const std::vector<std::string>& OptionEntries::voxLevel()
{
    static const std::vector<std::string> entries = Numbers(1, 3, 1);
    return entries;
}

const std::vector<std::string>& OptionEntries::dtmfSpeed()
{
    static const std::vector<std::string> entries = Numbers(4, 15, 1);
    return entries;
}

const std::vector<std::string>& OptionEntries::firstDigitTime()
{
    static const std::vector<std::string> entries = Numbers(0, 1000, 50);
    return entries;
}

const std::vector<std::string>& OptionEntries::firstDigitDelay()
{
    static const std::vector<std::string> entries = Numbers(100, 1000, 50);
    return entries;
}

void FillFromImage(const RadioImage& image, OptionValues& values)
{
    values.firstDigitTime = EntryOr(image[kFirstDigitTimeOffset], 20, 0);
    values.firstDigitDelay = EntryOr(image[kFirstDigitDelayOffset], 18, 0);
    values.squelchLevel = EntryOr(image[kSquelchOffset], 9, 0);
    values.voxLevel = EntryOr(image[kVoxLevelOffset] - 1, 2, 2);
    values.whisperLevel = EntryOr(image[kWhisperLevelOffset] - 1, 2, 2);
    values.timeOutTimer = EntryOr(image[kTimeOutOffset], 10, 0);
    // Every stored recovery index the list offers, "Scan Pause" included,
    // shows as itself; the two lists keep their own fall-backs for the rest.
    values.receiveRecovery = EntryOr(image[kReceiveRecoveryOffset], kScanPause, 128);
    values.transmissionRecovery = EntryOr(image[kTransmitRecoveryOffset], kScanPause, 0);

    const std::uint8_t functions = image[kFunctionOffset];
    values.lockDetect = Bit(functions, 2) ? 1 : 0;
    values.whisperEnable = Bit(functions, 7);
    values.saveEnergy = Bit(functions, 6);
    values.scanMode = Bit(functions, 1) ? 1 : 0;
    values.energyCheck = Bit(functions, 0);

    const int speed = image[kDtmfSpeedOffset] & 0x0F;
    values.dtmfSpeed = speed >= kDtmfSpeedBase ? speed - kDtmfSpeedBase : 2;

    const std::uint8_t voice = image[kVoiceOffset];
    values.voiceBeepTone = voice & 0x03;
    values.wiredCloneMode = Bit(voice, 6);
    values.voxEnable = Bit(voice, 5);
    values.compandExpand = Bit(voice, 4);
    values.alarmEnable = Bit(voice, 3);
    values.scramble = Bit(voice, 2);

    const std::uint8_t ptt = image[kPttIdOffset];
    values.pttIdStartEnable = Bit(ptt, 7);
    values.pttIdEndEnable = Bit(ptt, 6);
    values.dtmfSideTone = Bit(ptt, 5);

    values.pttIdStart = FillCode(image, kPttIdStartOffset);
    values.pttIdEnd = FillCode(image, kPttIdEndOffset);
}

void StoreToImage(const OptionValues& values, RadioImage& image, Messenger& messenger)
{
    StoreIndex(image, kSquelchOffset, values.squelchLevel, OptionEntries::squelchLevel());
    StoreIndex(image, kVoxLevelOffset, values.voxLevel, OptionEntries::voxLevel(), 1);
    StoreIndex(image, kWhisperLevelOffset, values.whisperLevel, OptionEntries::whisperLevel(), 1);
    StoreIndex(image, kTimeOutOffset, values.timeOutTimer, OptionEntries::timeOutTimer());
    StoreIndex(image, kReceiveRecoveryOffset, values.receiveRecovery, OptionEntries::recoveryTime());
    StoreIndex(image, kTransmitRecoveryOffset, values.transmissionRecovery, OptionEntries::recoveryTime());
    StoreIndex(image, kFirstDigitTimeOffset, values.firstDigitTime, OptionEntries::firstDigitTime());
    StoreIndex(image, kFirstDigitDelayOffset, values.firstDigitDelay, OptionEntries::firstDigitDelay());

    if (InList(values.scanMode, OptionEntries::scanMode()))
        SetBit(image[kFunctionOffset], 1 << 1, values.scanMode == 1);

    // The whole speed byte is written, so its high nibble becomes 0.
    StoreIndex(image, kDtmfSpeedOffset, values.dtmfSpeed, OptionEntries::dtmfSpeed(), kDtmfSpeedBase);
    if (InList(values.voiceBeepTone, OptionEntries::voiceBeepTone()))
        image[kVoiceOffset] = static_cast<std::uint8_t>((image[kVoiceOffset] & ~0x03) | values.voiceBeepTone);
    image[kVoiceOffset] |= 0x80;  // the radio expects bit 7 always set

    SetBit(image[kFunctionOffset], 1 << 7, values.whisperEnable);
    SetBit(image[kFunctionOffset], 1 << 6, values.saveEnergy);
    if (InList(values.lockDetect, OptionEntries::lockDetect()))
        SetBit(image[kFunctionOffset], 1 << 2, values.lockDetect == 1);
    SetBit(image[kFunctionOffset], 1 << 0, values.energyCheck);

    SetBit(image[kVoiceOffset], 1 << 6, values.wiredCloneMode);
    SetBit(image[kVoiceOffset], 1 << 5, values.voxEnable);
    SetBit(image[kVoiceOffset], 1 << 4, values.compandExpand);
    SetBit(image[kVoiceOffset], 1 << 3, values.alarmEnable);
    SetBit(image[kVoiceOffset], 1 << 2, values.scramble);

    SetBit(image[kPttIdOffset], 1 << 7, values.pttIdStartEnable);
    SetBit(image[kPttIdOffset], 1 << 6, values.pttIdEndEnable);
    SetBit(image[kPttIdOffset], 1 << 5, values.dtmfSideTone);

    StoreCode(values.pttIdStart, image, kPttIdStartOffset, messenger);
    StoreCode(values.pttIdEnd, image, kPttIdEndOffset, messenger);
}

void ApplyOptionDefaults(RadioImage& image)
{
    const RadioImage defaults = NewDocumentImage();
    for (std::size_t offset = 0x130; offset <= 0x13C; ++offset) {
        if (offset != 0x13A)  // the long-press duration belongs to the key page
            image[offset] = defaults[offset];
    }
    for (std::size_t offset = kPttIdStartOffset; offset < kPttIdEndOffset + kPttIdLength; ++offset)
        image[offset] = defaults[offset];
}

int SquelchLevelAfterPick(int /*picked*/) { return 4; }

int DtmfSpeedAfterPick(int /*picked*/) { return 2; }

}  // namespace zem
