#include "document/program_file.h"

#include "document/sha256.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zem {

namespace fs = std::filesystem;

namespace {

std::string SystemReason(int error)
{
    return std::error_code(error, std::generic_category()).message();
}

// Temporaries are named TARGET.tmpPID-XXXXX (the saving process's id, five
// hex digits), beside the target so that the final rename stays on one file
// system and cannot leave half a file under the target's name. The process
// id tells a temporary whose save was killed from one still being written.
constexpr char kTemporaryMark[] = ".tmp";
constexpr std::size_t kTemporaryDigits = 5;

fs::path TemporaryPathFor(const fs::path& target, unsigned long pid)
{
    static const char kHex[] = "0123456789abcdef";
    std::random_device device;
    std::uniform_int_distribution<unsigned> digits(0, 0xFFFFF);
    unsigned value = digits(device);
    std::string suffix(kTemporaryDigits, '0');
    for (std::size_t k = kTemporaryDigits; k-- > 0; value >>= 4)
        suffix[k] = kHex[value & 0xF];
    fs::path tmp = target;
    tmp += kTemporaryMark + std::to_string(pid) + "-" + suffix;
    return tmp;
}

// The process id in a temporary's name; 0 when the name is not exactly
// one of ours (a user's "notes.tmp1" is never taken for one).
template <typename Char>
unsigned long TemporaryOwner(const std::basic_string<Char>& name)
{
    const auto digit = [](Char c) { return c >= Char('0') && c <= Char('9'); };
    const auto hex = [&](Char c) { return digit(c) || (c >= Char('a') && c <= Char('f')); };
    const std::size_t n = name.size();
    if (n < kTemporaryDigits + 1)
        return 0;
    for (std::size_t k = n - kTemporaryDigits; k < n; ++k) {
        if (!hex(name[k]))
            return 0;
    }
    std::size_t k = n - kTemporaryDigits - 1;
    if (name[k] != Char('-'))
        return 0;
    const std::size_t end = k;
    while (k > 0 && digit(name[k - 1]))
        --k;
    const std::size_t mark = sizeof kTemporaryMark - 1;
    if (k == end || end - k > 9 || k < mark + 1)  // a pid of 1-9 digits after a name of its own
        return 0;
    for (std::size_t m = 0; m < mark; ++m) {
        if (name[k - mark + m] != Char(kTemporaryMark[m]))
            return 0;
    }
    unsigned long pid = 0;
    for (std::size_t d = k; d < end; ++d)
        pid = pid * 10 + static_cast<unsigned long>(name[d] - Char('0'));
    return pid;
}

#ifdef _WIN32

unsigned long OwnProcess() { return GetCurrentProcessId(); }

// Only a process id the system says does not exist counts as gone; one we
// may not look at is taken to be alive.
bool ProcessGone(unsigned long pid)
{
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(pid));
    if (process == nullptr)
        return GetLastError() == ERROR_INVALID_PARAMETER;
    const bool ended = WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
    CloseHandle(process);
    return ended;
}

// Writes contents to a new temporary beside target, named in tmp; a
// temporary that could not be completed is removed again.
FileResult WriteTemporary(const fs::path& target, const std::string& contents, fs::path& tmp)
{
    // Wide names: a folder or file name outside the ANSI code page still works.
    int fd = -1;
    for (int attempt = 0;; ++attempt) {
        tmp = TemporaryPathFor(target, OwnProcess());
        fd = _wopen(tmp.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
        if (fd >= 0 || errno != EEXIST || attempt == 4)
            break;
    }
    if (fd < 0)
        return FileResult::failure(SystemReason(errno));
    int error = 0;
    std::size_t done = 0;
    while (error == 0 && done < contents.size()) {
        const unsigned chunk = static_cast<unsigned>(std::min<std::size_t>(contents.size() - done, 1u << 20));
        const int n = _write(fd, contents.data() + done, chunk);
        if (n <= 0)
            error = n < 0 ? errno : EIO;
        else
            done += static_cast<std::size_t>(n);
    }
    if (error == 0 && _commit(fd) != 0)
        error = errno;
    if (_close(fd) != 0 && error == 0)
        error = errno;
    if (error != 0) {
        _wunlink(tmp.c_str());
        return FileResult::failure(SystemReason(error));
    }
    return FileResult::success();
}

FileResult ReplaceTarget(const fs::path& tmp, const fs::path& target)
{
    if (!MoveFileExW(tmp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return FileResult::failure(std::system_category().message(static_cast<int>(GetLastError())));
    }
    return FileResult::success();
}

#else

unsigned long OwnProcess() { return static_cast<unsigned long>(::getpid()); }

#ifndef __EMSCRIPTEN__
// The browser edition has no processes to ask about and leaves no temporaries behind.
bool ProcessGone(unsigned long pid)
{
    const auto id = static_cast<pid_t>(pid);
    return id > 0 && static_cast<unsigned long>(id) == pid && ::kill(id, 0) != 0 && errno == ESRCH;
}
#endif

// Writes all of contents to fd and flushes it to the disk; fd stays open.
int WriteAndFlush(int fd, const std::string& contents)
{
    std::size_t done = 0;
    while (done < contents.size()) {
        const ssize_t n = ::write(fd, contents.data() + done, contents.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : EIO;
        done += static_cast<std::size_t>(n);
    }
    return ::fsync(fd) != 0 ? errno : 0;
}

#if defined(__linux__) && defined(O_TMPFILE)
// Where the file system allows, the bytes go to a file without a name, which
// vanishes with the process if it is killed while writing; it gets the
// temporary's name only once complete, for the rename. False when that
// cannot be done here (the caller then writes a named temporary), or after
// a failure to write, with the reason in result.
bool WriteUnnamed(const fs::path& tmp, const std::string& contents, FileResult& result)
{
    fs::path dir = tmp.parent_path();
    if (dir.empty())
        dir = ".";
    const int fd = ::open(dir.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    if (const int error = WriteAndFlush(fd, contents)) {
        ::close(fd);
        result = FileResult::failure(SystemReason(error));
        return true;
    }
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    const bool linked = ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, tmp.c_str(), AT_SYMLINK_FOLLOW) == 0;
    ::close(fd);
    if (linked)
        result = FileResult::success();
    return linked;
}
#endif

// Writes contents to a new temporary beside target, named in tmp; a
// temporary that could not be completed is removed again.
FileResult WriteTemporary(const fs::path& target, const std::string& contents, fs::path& tmp)
{
    tmp = TemporaryPathFor(target, OwnProcess());
#if defined(__linux__) && defined(O_TMPFILE)
    FileResult unnamed;
    if (WriteUnnamed(tmp, contents, unnamed))
        return unnamed;
#endif
    int fd = -1;
    for (int attempt = 0;; ++attempt) {
        fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST || attempt == 4)
            break;
        tmp = TemporaryPathFor(target, OwnProcess());
    }
    if (fd < 0)
        return FileResult::failure(SystemReason(errno));
    int error = WriteAndFlush(fd, contents);
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error != 0) {
        ::unlink(tmp.c_str());
        return FileResult::failure(SystemReason(error));
    }
    return FileResult::success();
}

FileResult ReplaceTarget(const fs::path& tmp, const fs::path& target)
{
    if (std::rename(tmp.c_str(), target.c_str()) != 0)
        return FileResult::failure(SystemReason(errno));
    // Make the new directory entry itself durable; failing here loses nothing.
    fs::path dir = target.parent_path();
    if (dir.empty())
        dir = ".";
    int dfd = ::open(dir.c_str(), O_RDONLY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    return FileResult::success();
}

#endif

// Removes what saves into folder left behind when their process was
// killed: files named exactly as our temporaries, last written before
// this save began, whose process no longer runs. Anything else in the
// folder is the user's and stays.
void RemoveStaleTemporaries(const fs::path& folder, fs::file_time_type saveBegan)
{
#ifndef __EMSCRIPTEN__
    std::error_code ec;
    fs::directory_iterator entries(folder.empty() ? fs::path(".") : folder, ec);
    for (; !ec && entries != fs::directory_iterator(); entries.increment(ec)) {
        const fs::directory_entry& entry = *entries;
        const unsigned long pid = TemporaryOwner(entry.path().filename().native());
        std::error_code fileError;
        if (pid == 0 || !fs::is_regular_file(entry.symlink_status(fileError)))
            continue;
        const fs::file_time_type written = entry.last_write_time(fileError);
        if (fileError || written >= saveBegan || pid == OwnProcess() || !ProcessGone(pid))
            continue;
        fs::remove(entry.path(), fileError);
    }
#else
    (void)folder;
    (void)saveBegan;
#endif
}

}  // namespace

fs::path PathFromUtf8(const std::string& text)
{
    return fs::u8path(text);
}

std::string PathText(const fs::path& path)
{
    try {
        return path.u8string();
    } catch (const std::exception&) {  // a Windows name with a lone UTF-16 surrogate
        return "(a name that cannot be shown)";
    }
}

FileResult LoadProgramFile(const fs::path& source, RadioImage& image)
{
    const std::string path = PathText(source);
    try {
        std::error_code ec;
        if (!fs::exists(source, ec))
            return FileResult::failure(FileText(ZEM_TRANSLATE_NOOP("zem::File", "The file \"%1\" does not exist."), {path}));
        if (fs::is_directory(source, ec))
            return FileResult::failure(
                FileText(ZEM_TRANSLATE_NOOP("zem::File", "Cannot open \"%1\": it is a folder, not a program file."), {path}));

        std::ifstream in(source, std::ios::binary);
        if (!in)
            return FileResult::failure(FileText(ZEM_TRANSLATE_NOOP("zem::File", "Cannot open the file \"%1\"."), {path}));
        RadioImage loaded;
        in.read(reinterpret_cast<char*>(loaded.data()), static_cast<std::streamsize>(kImageSize));
        const std::streamsize got = in.gcount();
        if (got < static_cast<std::streamsize>(kImageSize)) {
            if (in.bad())
                return FileResult::failure(FileText(ZEM_TRANSLATE_NOOP("zem::File", "Cannot read the file \"%1\"."), {path}));
            return FileResult::failure(FileText(
                ZEM_TRANSLATE_NOOP("zem::File", "The file \"%1\" is not a program file: it holds %2 bytes, "
                                               "a program file holds %3."),
                {path, std::to_string(got), std::to_string(kImageSize)}));
        }
        image = loaded;  // only a complete image replaces the one being edited
        return FileResult::success();
    } catch (const std::exception& error) {  // e.g. a name the file system cannot represent
        return FileResult::failure(FileText(ZEM_TRANSLATE_NOOP("zem::File", "Cannot open the file \"%1\": %2"), {path, std::string(error.what())}));
    }
}

FileResult SaveProgramFile(const fs::path& path, const RadioImage& image)
{
    return WriteFileAtomically(path, std::string(reinterpret_cast<const char*>(image.data()), kImageSize));
}

FileResult WriteFileAtomically(const fs::path& name, const std::string& contents)
{
    const std::string path = PathText(name);
    try {
        fs::path target = name;
        std::error_code ec;
        // Saving through a symbolic link updates the file it points at; the
        // link stays a link instead of becoming a copy beside the real file.
        if (fs::is_symlink(fs::symlink_status(target, ec))) {
            const fs::path resolved = fs::canonical(target, ec);
            if (!ec)
                target = resolved;
        }
        if (fs::is_directory(target, ec))
            return FileResult::failure(FileText(ZEM_TRANSLATE_NOOP("zem::File", "Cannot save the file \"%1\": it is a folder."), {path}));
        // A file the user made read-only is one they want kept: the save
        // fails instead of putting a new file in its place.
        const fs::file_status existing = fs::status(target, ec);
        constexpr fs::perms kAnyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
        if (!ec && fs::exists(existing) && (existing.permissions() & kAnyWrite) == fs::perms::none)
            return FileResult::failure(FileText(ZEM_TRANSLATE_NOOP("zem::File", "Cannot save the file \"%1\": it is read-only."), {path}));

        const fs::file_time_type began = fs::file_time_type::clock::now();
        fs::path tmp;
        FileResult written = WriteTemporary(target, contents, tmp);
        if (written.ok) {
            // A saved file keeps the permissions the user gave the old one.
            const fs::file_status old = fs::status(target, ec);
            if (!ec && fs::exists(old))
                fs::permissions(tmp, old.permissions(), ec);
            written = ReplaceTarget(tmp, target);
            if (!written.ok)
                fs::remove(tmp, ec);
        }
        if (!written.ok)
            return FileResult::failure(FileText(ZEM_TRANSLATE_NOOP("zem::File", "Cannot save the file \"%1\": %2."), {path, written.text}));
        RemoveStaleTemporaries(target.parent_path(), began);
        return FileResult::success();
    } catch (const std::exception& error) {  // e.g. a name the file system cannot represent
        return FileResult::failure(FileText(ZEM_TRANSLATE_NOOP("zem::File", "Cannot save the file \"%1\": %2"), {path, std::string(error.what())}));
    }
}

FileStamp StampFile(const fs::path& path, std::uintmax_t readLimit)
{
    FileStamp stamp;
    std::error_code ec;
    if (!fs::is_regular_file(fs::status(path, ec)))
        return stamp;
    stamp.size = fs::file_size(path, ec);
    if (ec)
        return stamp;
    stamp.written = fs::last_write_time(path, ec);
    stamp.exists = true;
    if (stamp.size > readLimit)
        return stamp;
    std::ifstream in(path, std::ios::binary);
    std::string bytes(static_cast<std::size_t>(stamp.size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    stamp.size = bytes.size();  // what was read is what the hash is of
    stamp.sha256 = Sha256Hex(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    return stamp;
}

bool ChangedOnDisk(const FileStamp& before, const fs::path& path)
{
    if (!before.exists)
        return false;
    std::error_code ec;
    if (!fs::is_regular_file(fs::status(path, ec)))
        return false;
    const std::uintmax_t size = fs::file_size(path, ec);
    if (ec || size != before.size)
        return !ec;
    const FileStamp now = StampFile(path, before.size);
    return now.exists && now.sha256 != before.sha256;
}

}  // namespace zem
