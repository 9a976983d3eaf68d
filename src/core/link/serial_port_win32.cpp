// The serial port on Windows: a COM device opened exclusively for
// synchronous I/O; the driver's communication time-outs bound every read.
#include "link/serial_port.h"

#include <windows.h>

#include <cstdio>

namespace zem {

namespace {

std::string SystemErrorText(DWORD error) {
    char text[256] = "";
    DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text,
                             sizeof text, nullptr);
    while (n > 0 && (text[n - 1] == '\n' || text[n - 1] == '\r' || text[n - 1] == ' ')) text[--n] = '\0';
    if (n == 0) std::snprintf(text, sizeof text, "system error %lu", static_cast<unsigned long>(error));
    return text;
}

DWORD Ms(std::chrono::milliseconds value) { return static_cast<DWORD>(value.count()); }

class Win32SerialPort final : public SerialPort {
public:
    explicit Win32SerialPort(HANDLE handle) : handle_(handle) {}
    ~Win32SerialPort() override { close(); }

    void purge(PurgeMask mask) override {
        if (handle_ != INVALID_HANDLE_VALUE) PurgeComm(handle_, static_cast<DWORD>(mask));
    }

    bool write(const std::uint8_t* bytes, std::size_t count) override {
        if (handle_ == INVALID_HANDLE_VALUE) return fail("the port is closed");
        DWORD written = 0;
        if (!WriteFile(handle_, bytes, static_cast<DWORD>(count), &written, nullptr))
            return fail("write failed: " + SystemErrorText(GetLastError()));
        return written == count || fail("write timed out");
    }

    ReadResult read(std::uint8_t* buffer, std::size_t count) override {
        ReadResult result;
        if (handle_ == INVALID_HANDLE_VALUE) {
            result.ok = fail("the port is closed");
            return result;
        }
        // The driver fills only what arrived; the rest of the buffer keeps
        // its contents.
        DWORD received = 0;
        if (!ReadFile(handle_, buffer, static_cast<DWORD>(count), &received, nullptr))
            result.ok = fail("the line failed: " + SystemErrorText(GetLastError()));
        result.count = received;
        return result;
    }

    void close() override {
        if (handle_ == INVALID_HANDLE_VALUE) return;
        CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }

    std::string lastError() const override { return error_; }

private:
    bool fail(std::string why) {
        error_ = std::move(why);
        return false;
    }

    HANDLE handle_;
    std::string error_;
};

}  // namespace

std::string DeviceForPortNumber(int number) {
    if (number < 1 || number > 99) return {};
    // COM10 and above are reachable only through the device namespace.
    return (number <= 9 ? "COM" : "\\\\.\\COM") + std::to_string(number);
}

int PortNumberForDevice(const std::string& path) {
    std::string name = path.rfind("\\\\.\\", 0) == 0 ? path.substr(4) : path;
    if (name.size() < 4 || name.size() > 5 || name.compare(0, 3, "COM") != 0) return 0;
    if (name.find_first_not_of("0123456789", 3) != std::string::npos) return 0;
    int number = std::stoi(name.substr(3));
    return number >= 1 && number <= 99 ? number : 0;
}

OpenResult OpenSerialPort(const std::string& name, const PortTimeouts& timeouts) {
    OpenResult result;
    std::string device = DeviceForPortName(name);
    if (device.empty()) {
        result.error = OpenError::BadName;
        result.detail = "\"" + name + "\" is neither a port number 1-99 nor a device path";
        return result;
    }
    HANDLE handle = CreateFileA(device.c_str(), GENERIC_READ | GENERIC_WRITE, 0 /* exclusive */, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        DWORD error = GetLastError();
        switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            result.error = OpenError::NoSuchDevice;
            result.detail = device + ": no such device";
            break;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
            // Windows answers "access denied" for a COM port another program holds.
            result.error = OpenError::InUse;
            result.detail = device + ": in use by another program";
            break;
        default:
            result.error = OpenError::Other;
            result.detail = device + ": " + SystemErrorText(error);
        }
        return result;
    }
    // The results of the configuration calls are not examined: a port that
    // refuses them shows itself by the radio not answering.
    SetupComm(handle, 1024, 512);
    COMMTIMEOUTS t{};
    t.ReadIntervalTimeout = Ms(timeouts.readInterval);
    t.ReadTotalTimeoutMultiplier = Ms(timeouts.readTotalMultiplier);
    t.ReadTotalTimeoutConstant = Ms(timeouts.readTotalConstant);
    t.WriteTotalTimeoutMultiplier = Ms(timeouts.writeTotalMultiplier);
    t.WriteTotalTimeoutConstant = Ms(timeouts.writeTotalConstant);
    SetCommTimeouts(handle, &t);
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    GetCommState(handle, &dcb);
    dcb.BaudRate = CBR_9600;
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.fParity = FALSE;
    dcb.StopBits = ONESTOPBIT;
    dcb.fBinary = TRUE;
    SetCommState(handle, &dcb);
    result.port = std::make_unique<Win32SerialPort>(handle);
    return result;
}

std::vector<PortInfo> ListSerialPorts() {
    std::vector<PortInfo> ports;
    char target[512];
    for (int number = 1; number <= 99; ++number) {
        std::string name = "COM" + std::to_string(number);
        if (QueryDosDeviceA(name.c_str(), target, sizeof target) == 0) continue;
        ports.push_back({number, DeviceForPortNumber(number), target});
    }
    return ports;
}

}  // namespace zem
