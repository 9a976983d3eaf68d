#pragma once

#include "text.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace zem {

// Time limits of a port, with the meaning of the Windows communication
// time-outs: a read of n bytes gives up after
// readTotalMultiplier * n + readTotalConstant, or once bytes have started to
// arrive, after a silence longer than readInterval.
struct PortTimeouts {
    std::chrono::milliseconds readInterval;
    std::chrono::milliseconds readTotalMultiplier;
    std::chrono::milliseconds readTotalConstant;
    std::chrono::milliseconds writeTotalMultiplier;
    std::chrono::milliseconds writeTotalConstant;

    std::chrono::milliseconds readTotal(std::size_t count) const {
        return readTotalMultiplier * static_cast<long long>(count) + readTotalConstant;
    }
};

// The image transfer: 1020 ms for one byte, 800 ms between bytes.
extern const PortTimeouts CloneTimeouts;
// The power setting: 620 ms for one byte, 80 ms between bytes.
extern const PortTimeouts ServiceTimeouts;

// What Purge discards: both queues, or both queues and pending transfers.
enum class PurgeMask : std::uint8_t {
    Clear = 0x0C,          // transmit and receive queues
    AbortAndClear = 0x0F,  // also ends transfers in progress
};

// A synchronous read: ok is false only on an I/O error (the line hung up,
// the adapter was unplugged), never on a time-out; count is what arrived.
struct ReadResult {
    bool ok = true;
    std::size_t count = 0;
};

// One open serial line, 9600 baud 8N1, raw. Reads fill the buffer from its
// start and leave the positions that receive nothing unchanged. Closing
// happens exactly once: by close() or, failing that, by the destructor.
class SerialPort {
public:
    virtual ~SerialPort() = default;

    virtual void purge(PurgeMask mask) = 0;
    // False when the line failed; a caller need not look.
    virtual bool write(const std::uint8_t* bytes, std::size_t count) = 0;
    virtual ReadResult read(std::uint8_t* buffer, std::size_t count) = 0;
    // How many received bytes wait to be read just now; never waits, and
    // reads nothing. 0 when the port cannot tell or is closed.
    virtual std::size_t bytesWaiting() = 0;
    virtual void close() = 0;
    // Why the last failed call failed, in the user's words (empty when
    // none), marked in kTextLink; the system's own error text is a value.
    virtual Text lastError() const = 0;
};

// Why a port could not be opened.
enum class OpenError {
    None,
    BadName,           // neither a number 1-99 nor a device path
    NoSuchDevice,
    PermissionDenied,
    InUse,             // another program holds the port
    NotSerialPort,     // a file, folder, pipe or other device: never written to
    Other,
};

struct OpenResult {
    std::unique_ptr<SerialPort> port;  // null when the open failed
    OpenError error = OpenError::None;
    Text detail;                       // the why, for the user's details
};

// The device a port name stands for. A name is either a port number 1-99 or
// a device path taken as it is. Numbers map on Windows to COM1-COM9 and
// \\.\COM10-\\.\COM99; on Linux COM1-32 to /dev/ttyS0-31, COM33-64 to
// /dev/ttyUSB0-31, COM65-96 to /dev/ttyACM0-31 (97-99 have no device).
// Returns "" for a name that is neither.
std::string DeviceForPortName(const std::string& name);
std::string DeviceForPortNumber(int number);
// The number whose device is path under the rule above, 0 when none.
int PortNumberForDevice(const std::string& path);

// Opens the device of a port name exclusively, sets 9600 baud 8N1 raw, the
// driver queues and the time-outs of the profile.
OpenResult OpenSerialPort(const std::string& name, const PortTimeouts& timeouts);

// A serial port present on this machine.
struct PortInfo {
    int number = 0;            // under the rule above, 0 when the device has none
    std::string device;        // the device path
    // Maker and product where the system tells them, or a fixed text of
    // kTextLink ("built-in serial port").
    std::string description;
};
std::vector<PortInfo> ListSerialPorts();

}  // namespace zem
