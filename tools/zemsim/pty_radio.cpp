#include "pty_radio.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace zem::sim {

namespace {

using Clock = std::chrono::steady_clock;

// How long the line must be quiet after written blocks before the memory is
// saved: a full write is over long before this, a save per block would be
// wasted work.
constexpr auto kQuietBeforeSave = std::chrono::milliseconds(100);

void MakeRaw(int fd) {
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0) return;
    ::cfmakeraw(&tio);
    tio.c_cflag |= CLOCAL | CREAD;
    ::cfsetispeed(&tio, B9600);
    ::cfsetospeed(&tio, B9600);
    ::tcsetattr(fd, TCSANOW, &tio);
}

}  // namespace

std::unique_ptr<PtyRadio> PtyRadio::Create(VirtualRadio& radio, const LineOptions& options, std::string& error) {
    std::unique_ptr<PtyRadio> line(new PtyRadio(radio, options));
    line->master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (line->master_ < 0 || ::grantpt(line->master_) != 0 || ::unlockpt(line->master_) != 0) {
        error = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
        return nullptr;
    }
    const char* name = ::ptsname(line->master_);
    if (!name) {
        error = std::string("cannot name the pseudo-terminal: ") + std::strerror(errno);
        return nullptr;
    }
    line->device_ = name;
    line->slave_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    MakeRaw(line->master_);
    if (line->slave_ >= 0) MakeRaw(line->slave_);
    ::fcntl(line->master_, F_SETFL, ::fcntl(line->master_, F_GETFL) | O_NONBLOCK);

    line->path_ = line->device_;
    if (!options.linkPath.empty()) {
        // Replace a stale link of an earlier run, but never a real file.
        struct stat st{};
        if (::lstat(options.linkPath.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) ::unlink(options.linkPath.c_str());
        if (::symlink(name, options.linkPath.c_str()) != 0) {
            error = "cannot link " + options.linkPath + ": " + std::strerror(errno);
            return nullptr;
        }
        line->path_ = options.linkPath;
    }
    line->byteTime_ = std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(10.0 / options.baud));
    return line;
}

PtyRadio::~PtyRadio() {
    hangUp();
    if (path_ != device_) ::unlink(path_.c_str());
}

void PtyRadio::hangUp() {
    if (slave_ >= 0) ::close(slave_);
    if (master_ >= 0) ::close(master_);
    slave_ = master_ = -1;
}

// Sends bytes as the radio's transmitter would: when pacing, each byte
// leaves one byte time after the previous one, on absolute deadlines so the
// small oversleeps of each wait do not add up.
void PtyRadio::send(const std::vector<std::uint8_t>& bytes, Clock::time_point notBefore) {
    if (bytes.empty() || master_ < 0) return;
    if (!options_.paced) {
        std::size_t sent = 0;
        while (sent < bytes.size()) {
            ssize_t n = ::write(master_, bytes.data() + sent, bytes.size() - sent);
            if (n > 0) {
                sent += static_cast<std::size_t>(n);
            } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
                return;
            } else {
                pollfd p{master_, POLLOUT, 0};
                ::poll(&p, 1, 10);
            }
        }
        return;
    }
    txFree_ = std::max(txFree_, notBefore);
    for (std::uint8_t byte : bytes) {
        txFree_ += byteTime_;  // the byte has arrived once its stop bit is through
        std::this_thread::sleep_until(txFree_);
        while (::write(master_, &byte, 1) < 0 && (errno == EAGAIN || errno == EINTR)) {
            pollfd p{master_, POLLOUT, 0};
            ::poll(&p, 1, 10);
        }
    }
}

void PtyRadio::run(const std::atomic<bool>& stop, const std::function<void(const RadioImage&)>& memoryChanged) {
    const VirtualRadio fresh = radio_;
    const bool swaps = options_.swapAfter.count() > 0;
    bool unsaved = false;
    bool written = false;  // since this radio was put on the line
    Clock::time_point lastByte = Clock::now();
    Clock::time_point lastBlock = lastByte;
    Clock::time_point absentUntil{};  // no radio on the line before this
    std::uint8_t input[256];
    while (!stop.load() && master_ >= 0) {
        if (swaps && written && Clock::now() - lastBlock >= options_.swapAfter) {
            // The user takes the programmed radio off and, a moment later,
            // puts the next one on.
            if (unsaved && memoryChanged) memoryChanged(radio_.memory());
            unsaved = written = false;
            radio_ = fresh;
            absentUntil = Clock::now() + options_.swapAfter;
            ++swapped_;
        }
        pollfd p{master_, POLLIN, 0};
        int r = ::poll(&p, 1, 20);
        if (r <= 0) {
            if (unsaved && Clock::now() - lastByte >= kQuietBeforeSave) {
                if (memoryChanged) memoryChanged(radio_.memory());
                unsaved = false;
            }
            continue;
        }
        ssize_t n = ::read(master_, input, sizeof input);
        if (n <= 0) {
            // No program has the device open just now: wait for the next.
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            continue;
        }
        Clock::time_point now = Clock::now();
        lastByte = now;
        if (now < absentUntil) continue;  // nobody on the line hears the bytes
        for (ssize_t i = 0; i < n; ++i) {
            // With pacing a byte has arrived one byte time after it was
            // sent, and not before the byte ahead of it.
            rxDone_ = options_.paced ? std::max(rxDone_, now) + byteTime_ : now;
            RadioReply reply = radio_.receive(input[i]);
            unsaved = unsaved || reply.memoryChanged;
            written = written || reply.memoryChanged;
            if (reply.blockFrame) lastBlock = now;
            if (reply.hangUp) {
                hangUp();
                break;
            }
            send(reply.bytes, rxDone_);
        }
    }
    if (unsaved && memoryChanged) memoryChanged(radio_.memory());
}

}  // namespace zem::sim
