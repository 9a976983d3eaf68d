#pragma once

#include <cstddef>

namespace zem {

// Where the radio keeps what in its 1024-byte memory. Every part of the core
// that reads or writes a region by its address takes it from here; the
// settings of the options and key pages have their own bytes and bits in
// pages/radio_settings.

// The channel records: channel n (1-16) at n * kRecordSize.
constexpr std::size_t kRecordSize = 16;
constexpr std::size_t kChannelAreaOffset = 0x010;  // channel 1
constexpr std::size_t kChannelAreaEnd = 0x110;     // after channel 16
// Inside a record: receive frequency (4 BCD bytes), transmit frequency
// (4), decode tone (2), encode tone (2), the flags byte; the last three
// bytes are the radio's own.
constexpr std::size_t kRecordReceive = 0;
constexpr std::size_t kRecordTransmit = 4;
constexpr std::size_t kRecordDecode = 8;
constexpr std::size_t kRecordEncode = 10;
constexpr std::size_t kRecordFlags = 12;

// The option and key bytes (row 19) and the two PTT ID codes.
constexpr std::size_t kSettingsRowOffset = 0x130;
constexpr std::size_t kSettingsRowEnd = 0x140;
constexpr std::size_t kPttIdAreaOffset = 0x210;
constexpr std::size_t kPttIdAreaEnd = 0x220;

// The band: upper limit, then lower limit, four BCD bytes each.
constexpr std::size_t kBandLimitOffset = 0x220;
constexpr std::size_t kBandLimitSize = 8;

// The radio type: FF for the first type, 05 for the second.
constexpr std::size_t kTypeOffset = 0x22C;

// The power calibration: seven low-power values, then seven high-power
// ones; 0x3DE and 0x3DF are the radio's own. Never part of a clone transfer.
constexpr std::size_t kPowerCalibrationOffset = 0x3D0;
constexpr std::size_t kPowerCalibrationSize = 16;
constexpr std::size_t kPowerLowOffset = 0x3D0;
constexpr std::size_t kPowerHighOffset = 0x3D7;

}  // namespace zem
