// The serial port on Linux and other POSIX systems: a non-blocking
// descriptor in raw mode, reads bounded by poll() against absolute deadlines.
#include "link/serial_port.h"

#include "link/link_messages.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace zem {

namespace {

using Clock = std::chrono::steady_clock;

// Milliseconds left until deadline, rounded up so poll never wakes early
// and spins; 0 when it has passed.
int MillisecondsUntil(Clock::time_point deadline) {
    auto left = deadline - Clock::now();
    if (left <= Clock::duration::zero()) return 0;
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(left + std::chrono::microseconds(999));
    return static_cast<int>(std::min<long long>(ms.count(), 60000));
}

// The system's own words for an error: a value of the link's texts.
std::string ErrnoText(int error) { return std::strerror(error); }

const char* const kPortClosed = ZEM_TRANSLATE_NOOP("zem::Link", "the port is closed");
// The line gave out under a read (EIO, or readable with nothing to read).
const char* const kLineHungUp =
    ZEM_TRANSLATE_NOOP("zem::Link", "the line hung up (cable or adapter disconnected?)");

class PosixSerialPort final : public SerialPort {
public:
    PosixSerialPort(int fd, const PortTimeouts& timeouts) : fd_(fd), timeouts_(timeouts) {}
    ~PosixSerialPort() override { close(); }

    void purge(PurgeMask) override {
        // Both masks empty the receive side, so that stale bytes are never
        // taken for the answer to the next request. What the program has
        // written is left to go out: dropping it here would cut a frame in
        // half (a header written a moment before its data is often still
        // queued), and a synchronous port has no transfer to abort.
        if (fd_ >= 0) ::tcflush(fd_, TCIFLUSH);
    }

    bool write(const std::uint8_t* bytes, std::size_t count) override {
        if (fd_ < 0) return fail(LinkText(kPortClosed));
        auto deadline = Clock::now() + timeouts_.writeTotalMultiplier * static_cast<long long>(count) +
                        timeouts_.writeTotalConstant;
        std::size_t sent = 0;
        while (sent < count) {
            ssize_t n = ::write(fd_, bytes + sent, count - sent);
            if (n > 0) {
                sent += static_cast<std::size_t>(n);
                continue;
            }
            if (n < 0 && errno == EINTR) continue;
            if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK)
                return fail(LinkText(ZEM_TRANSLATE_NOOP("zem::Link", "write failed: %1"), {ErrnoText(errno)}));
            int wait = MillisecondsUntil(deadline);
            if (wait == 0) return fail(LinkText(ZEM_TRANSLATE_NOOP("zem::Link", "write timed out")));
            pollfd p{fd_, POLLOUT, 0};
            int r = ::poll(&p, 1, wait);
            if (r < 0 && errno != EINTR) return fail(PollFailed(errno));
            if (r > 0 && (p.revents & (POLLERR | POLLHUP | POLLNVAL)) && !(p.revents & POLLOUT))
                return fail(LinkText(ZEM_TRANSLATE_NOOP("zem::Link", "the line hung up")));
        }
        return true;
    }

    ReadResult read(std::uint8_t* buffer, std::size_t count) override {
        ReadResult result;
        if (fd_ < 0) {
            result.ok = fail(LinkText(kPortClosed));
            return result;
        }
        const auto total = Clock::now() + timeouts_.readTotal(count);
        auto gap = total;  // the gap limit starts with the first byte
        while (result.count < count) {
            int wait = MillisecondsUntil(std::min(total, gap));
            if (wait == 0) break;  // a time-out is not an error: the count tells
            pollfd p{fd_, POLLIN, 0};
            int r = ::poll(&p, 1, wait);
            if (r < 0) {
                if (errno == EINTR) continue;
                result.ok = fail(PollFailed(errno));
                break;
            }
            if (r == 0) continue;
            ssize_t n = ::read(fd_, buffer + result.count, count - result.count);
            if (n > 0) {
                result.count += static_cast<std::size_t>(n);
                gap = Clock::now() + timeouts_.readInterval;
            } else if (n == 0) {
                // Readable but nothing to read: the other end is gone.
                result.ok = fail(LinkText(kLineHungUp));
                break;
            } else if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
                result.ok = fail(errno == EIO ? LinkText(kLineHungUp)
                                              : LinkText(ZEM_TRANSLATE_NOOP("zem::Link", "read failed: %1"),
                                                         {ErrnoText(errno)}));
                break;
            } else if (p.revents & (POLLHUP | POLLERR | POLLNVAL)) {
                result.ok = fail(LinkText(kLineHungUp));
                break;
            }
        }
        return result;
    }

    std::size_t bytesWaiting() override {
        int count = 0;
        if (fd_ < 0 || ::ioctl(fd_, FIONREAD, &count) != 0 || count < 0) return 0;
        return static_cast<std::size_t>(count);
    }

    void close() override {
        if (fd_ < 0) return;
        ::ioctl(fd_, TIOCNXCL);
        ::flock(fd_, LOCK_UN);
        ::close(fd_);
        fd_ = -1;
    }

    Text lastError() const override { return error_; }

private:
    static Text PollFailed(int error) {
        return LinkText(ZEM_TRANSLATE_NOOP("zem::Link", "poll failed: %1"), {ErrnoText(error)});
    }

    bool fail(Text why) {
        error_ = std::move(why);
        return false;
    }

    int fd_;
    PortTimeouts timeouts_;
    Text error_;
};

// 9600 baud 8N1 in raw mode: no line editing, echo, or software or hardware
// flow control, modem lines ignored. Otherwise the terminal layer would eat
// or rewrite bytes such as 0x11, 0x13 and 0x0D of the image.
// The caller has checked that the descriptor is a terminal (tio holds its
// settings).
void ConfigureLine(int fd, termios tio) {
    ::cfmakeraw(&tio);
    tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY | INPCK);
    tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB);
#ifdef CRTSCTS
    tio.c_cflag &= ~static_cast<tcflag_t>(CRTSCTS);
#endif
    tio.c_cflag |= CS8 | CLOCAL | CREAD;
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    ::cfsetispeed(&tio, B9600);
    ::cfsetospeed(&tio, B9600);
    ::tcsetattr(fd, TCSANOW, &tio);
}

Text NotSerialPort(const std::string& device) {
    return LinkText(ZEM_TRANSLATE_NOOP("zem::Link", "%1: not a serial port"), {device});
}

Text OpenErrorDetail(const std::string& device, int error) {
    switch (error) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return LinkText(ZEM_TRANSLATE_NOOP("zem::Link", "%1: no such device"), {device});
    case EACCES:
    case EPERM:
#ifdef __linux__
        return LinkText(ZEM_TRANSLATE_NOOP("zem::Link", "%1: permission denied (the user must be in the dialout group)"),
                        {device});
#else
        return LinkText(ZEM_TRANSLATE_NOOP("zem::Link", "%1: permission denied"), {device});
#endif
    case EBUSY:
        return LinkText(ZEM_TRANSLATE_NOOP("zem::Link", "%1: in use by another program"), {device});
    case EISDIR:
        return NotSerialPort(device);
    default:
        return Text::Joined({device, ErrnoText(error)}, ": ");
    }
}

OpenError OpenErrorKind(int error) {
    switch (error) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return OpenError::NoSuchDevice;
    case EACCES:
    case EPERM:
        return OpenError::PermissionDenied;
    case EBUSY:
        return OpenError::InUse;
    case EISDIR:
        return OpenError::NotSerialPort;
    default:
        return OpenError::Other;
    }
}

struct NumberedFamily {
    const char* prefix;
    int firstNumber;
};
// Ports 1-32, 33-64 and 65-96 of the number rule.
constexpr NumberedFamily kFamilies[] = {{"/dev/ttyS", 1}, {"/dev/ttyUSB", 33}, {"/dev/ttyACM", 65}};

}  // namespace

std::string DeviceForPortNumber(int number) {
    for (const auto& family : kFamilies)
        if (number >= family.firstNumber && number < family.firstNumber + 32)
            return family.prefix + std::to_string(number - family.firstNumber);
    return {};
}

int PortNumberForDevice(const std::string& path) {
    for (const auto& family : kFamilies) {
        std::string prefix = family.prefix;
        if (path.size() <= prefix.size() || path.compare(0, prefix.size(), prefix) != 0) continue;
        std::string rest = path.substr(prefix.size());
        if (rest.size() > 2 || rest.find_first_not_of("0123456789") != std::string::npos) continue;
        int index = std::stoi(rest);
        if (index < 32) return family.firstNumber + index;
    }
    return 0;
}

OpenResult OpenSerialPort(const std::string& name, const PortTimeouts& timeouts) {
    OpenResult result;
    std::string device = DeviceForPortName(name);
    if (device.empty()) {
        result.error = OpenError::BadName;
        result.detail = LinkText(
            ZEM_TRANSLATE_NOOP("zem::Link", "\"%1\" is neither a port number 1-99 with a device nor a device path"), {name});
        return result;
    }
    // A file, folder or pipe is refused before it is even opened.
    struct stat info{};
    if (::stat(device.c_str(), &info) == 0 && !S_ISCHR(info.st_mode)) {
        result.error = OpenError::NotSerialPort;
        result.detail = NotSerialPort(device);
        return result;
    }
    // Non-blocking, so that opening a named pipe (which waits for a writer)
    // returns at once and the check below can refuse it.
    int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        int error = errno;
        result.error = OpenErrorKind(error);
        result.detail = OpenErrorDetail(device, error);
        return result;
    }
    // Only a terminal device is a serial line. A name that leads to a file,
    // a pipe or another device (/dev/null) is refused before a single byte
    // goes out: the wake-up bytes would overwrite the start of a file. A
    // pseudo-terminal (the virtual radio) is a terminal and is accepted.
    termios tio{};
    if (::fstat(fd, &info) != 0 || !S_ISCHR(info.st_mode) || ::tcgetattr(fd, &tio) != 0) {
        ::close(fd);
        result.error = OpenError::NotSerialPort;
        result.detail = NotSerialPort(device);
        return result;
    }
    // Exclusive use: the advisory lock stops a second opener even when it
    // runs as root; TIOCEXCL stops programs that do not lock. A driver
    // without TIOCEXCL (EINVAL, ENOTTY) is no reason to refuse the port.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 && (errno == EWOULDBLOCK || errno == EAGAIN)) {
        ::close(fd);
        result.error = OpenError::InUse;
        result.detail = OpenErrorDetail(device, EBUSY);
        return result;
    }
    ::ioctl(fd, TIOCEXCL);
    ConfigureLine(fd, tio);
    ::tcflush(fd, TCIOFLUSH);
    result.port = std::make_unique<PosixSerialPort>(fd, timeouts);
    return result;
}

namespace {

std::string ReadFirstLine(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    return line;
}

// Maker and product of a USB adapter, found in the sysfs directories above
// the tty's device.
std::string UsbDescription(const std::filesystem::path& ttyDir) {
    std::error_code ec;
    auto dir = std::filesystem::canonical(ttyDir / "device", ec);
    if (ec) return {};
    for (int level = 0; level < 4 && !dir.empty(); ++level, dir = dir.parent_path()) {
        if (!std::filesystem::exists(dir / "idVendor", ec)) continue;
        std::string text = ReadFirstLine(dir / "manufacturer");
        std::string product = ReadFirstLine(dir / "product");
        if (!product.empty()) text += (text.empty() ? "" : " ") + product;
        std::string ids = "USB " + ReadFirstLine(dir / "idVendor") + ":" + ReadFirstLine(dir / "idProduct");
        text = text.empty() ? ids : text + " (" + ids + ")";
        return text;
    }
    return {};
}

}  // namespace

std::vector<PortInfo> ListSerialPorts() {
    std::vector<PortInfo> ports;
    std::error_code ec;
#ifdef __linux__
    for (const auto& entry : std::filesystem::directory_iterator("/sys/class/tty", ec)) {
        std::string name = entry.path().filename().string();
        if (!std::filesystem::exists(entry.path() / "device", ec)) continue;  // virtual consoles
        bool builtIn = name.rfind("ttyS", 0) == 0;
        // The kernel lists 32 built-in ports whether they exist or not; a
        // port type of 0 means no hardware behind the name.
        if (builtIn && ReadFirstLine(entry.path() / "type") == "0") continue;
        PortInfo info;
        info.device = "/dev/" + name;
        info.number = PortNumberForDevice(info.device);
        info.description =
            builtIn ? ZEM_TRANSLATE_NOOP("zem::Link", "built-in serial port") : UsbDescription(entry.path());
        ports.push_back(info);
    }
#else
    for (const auto& entry : std::filesystem::directory_iterator("/dev", ec)) {
        std::string name = entry.path().filename().string();
        if (name.rfind("cu.", 0) != 0) continue;  // the call-out side does not wait for carrier
        ports.push_back({0, entry.path().string(), name.substr(3)});
    }
#endif
    std::sort(ports.begin(), ports.end(), [](const PortInfo& a, const PortInfo& b) {
        if ((a.number == 0) != (b.number == 0)) return a.number != 0;
        return a.number != b.number ? a.number < b.number : a.device < b.device;
    });
    return ports;
}

}  // namespace zem
