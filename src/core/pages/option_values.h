#pragma once

#include "document/radio_image.h"
#include "messenger.h"

#include <string>
#include <vector>

namespace zem {

// What the "Optional features" page shows: the selected entry index of each
// drop-down, the state of each check box and the two PTT ID code texts.
// Bytes 0x130-0x139, 0x13B, 0x13C and 0x210-0x21F of the image.
struct OptionValues {
    int scanMode = 0;              // 0x131 bit 1: "Off", "Carrier"
    int receiveRecovery = 0;       // 0x138: "0.5 " .. "64.5 ", "Scan Pause"
    int transmissionRecovery = 0;  // 0x139: same entries
    int timeOutTimer = 0;          // 0x137: "Off", "30s" .. "300s"
    int voiceBeepTone = 0;         // 0x130 bits 1-0: "Off", "Tone", "Chinese", "English"
    int squelchLevel = 0;          // 0x134: "0" .. "9"
    int lockDetect = 0;            // 0x131 bit 2: "Off", "Detect"
    int whisperLevel = 0;          // 0x136 - 1: "1", "2", "3"
    bool whisperEnable = false;    // 0x131 bit 7
    int voxLevel = 0;              // 0x135 - 1: "1", "2", "3"
    bool voxEnable = false;        // 0x130 bit 5
    std::string pttIdStart;        // 0x210-0x217, one digit per byte
    std::string pttIdEnd;          // 0x218-0x21F
    bool pttIdStartEnable = false; // 0x132 bit 7
    bool pttIdEndEnable = false;   // 0x132 bit 6
    int dtmfSpeed = 0;             // 0x133 - 4: "4" .. "15"
    int firstDigitTime = 0;        // 0x13B: "0" .. "1000" step 50
    int firstDigitDelay = 0;       // 0x13C: "100" .. "1000" step 50
    bool dtmfSideTone = false;     // 0x132 bit 5
    bool energyCheck = false;      // 0x131 bit 0
    bool wiredCloneMode = false;   // 0x130 bit 6
    bool scramble = false;         // 0x130 bit 2
    bool alarmEnable = false;      // 0x130 bit 3
    bool compandExpand = false;    // 0x130 bit 4
    bool saveEnergy = false;       // 0x131 bit 6

    friend bool operator==(const OptionValues&, const OptionValues&);
    friend bool operator!=(const OptionValues& a, const OptionValues& b) { return !(a == b); }
};

// The entries of each drop-down, in list order, texts exactly as shown.
struct OptionEntries {
    static const std::vector<std::string>& scanMode();
    static const std::vector<std::string>& recoveryTime();  // 130 entries, both recovery lists
    static const std::vector<std::string>& timeOutTimer();
    static const std::vector<std::string>& voiceBeepTone();
    static const std::vector<std::string>& squelchLevel();
    static const std::vector<std::string>& lockDetect();
    static const std::vector<std::string>& whisperLevel();
    static const std::vector<std::string>& voxLevel();
    static const std::vector<std::string>& dtmfSpeed();
    static const std::vector<std::string>& firstDigitTime();
    static const std::vector<std::string>& firstDigitDelay();
};

// The longest PTT ID code text the page accepts.
constexpr int kPttIdLength = 8;

extern const char* const kMsgPttIdNotCorrect;  // "The PTT ID you input are not correct,it will be changed to zero"
extern const char* const kMsgPttIdTooShort;    // "The  PTT ID you input is too short,It will be suffixed with zero"

// Sets every value from the image. Out-of-range bytes fall back to fixed entries.
void FillFromImage(const RadioImage& image, OptionValues& values);

// Writes every value into the image; the PTT ID messages go to messenger.
// Kept bits and bytes are left alone, and nothing is written outside the
// page's own bytes.
void StoreToImage(const OptionValues& values, RadioImage& image, Messenger& messenger);

// The page's "Default Setting": the default option bytes into the image.
// The caller then fills the page.
void ApplyOptionDefaults(RadioImage& image);

}  // namespace zem
