#include "document/program_file.h"

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

// A temporary name beside the target, so that the final rename stays on one
// file system and cannot leave half a file under the target's name.
fs::path TemporaryPathFor(const fs::path& target)
{
    std::random_device device;
    std::uniform_int_distribution<unsigned> digits(0, 0xFFFFF);
    fs::path tmp = target;
    tmp += ".tmp" + std::to_string(digits(device));
    return tmp;
}

#ifdef _WIN32

FileResult WriteAndFlush(const fs::path& tmp, const std::string& contents)
{
    // Wide names: a folder or file name outside the ANSI code page still works.
    int fd = _wopen(tmp.c_str(), _O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY, _S_IREAD | _S_IWRITE);
    if (fd < 0)
        return FileResult::failure(SystemReason(errno));
    std::size_t done = 0;
    while (done < contents.size()) {
        const unsigned chunk = static_cast<unsigned>(std::min<std::size_t>(contents.size() - done, 1u << 20));
        const int n = _write(fd, contents.data() + done, chunk);
        if (n <= 0) {
            const int error = errno;
            _close(fd);
            return FileResult::failure(SystemReason(error));
        }
        done += static_cast<std::size_t>(n);
    }
    if (_commit(fd) != 0) {
        const int error = errno;
        _close(fd);
        return FileResult::failure(SystemReason(error));
    }
    if (_close(fd) != 0)
        return FileResult::failure(SystemReason(errno));
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

FileResult WriteAndFlush(const fs::path& tmp, const std::string& contents)
{
    int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return FileResult::failure(SystemReason(errno));
    std::size_t done = 0;
    while (done < contents.size()) {
        const ssize_t n = ::write(fd, contents.data() + done, contents.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int error = n < 0 ? errno : EIO;
            ::close(fd);
            return FileResult::failure(SystemReason(error));
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) {
        const int error = errno;
        ::close(fd);
        return FileResult::failure(SystemReason(error));
    }
    if (::close(fd) != 0)
        return FileResult::failure(SystemReason(errno));
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
            return FileResult::failure("The file \"" + path + "\" does not exist.");
        if (fs::is_directory(source, ec))
            return FileResult::failure("Cannot open \"" + path + "\": it is a folder, not a program file.");

        std::ifstream in(source, std::ios::binary);
        if (!in)
            return FileResult::failure("Cannot open the file \"" + path + "\".");
        RadioImage loaded;
        in.read(reinterpret_cast<char*>(loaded.data()), static_cast<std::streamsize>(kImageSize));
        const std::streamsize got = in.gcount();
        if (got < static_cast<std::streamsize>(kImageSize)) {
            if (in.bad())
                return FileResult::failure("Cannot read the file \"" + path + "\".");
            return FileResult::failure("The file \"" + path + "\" is not a program file: it holds " +
                                       std::to_string(got) + " bytes, a program file holds " +
                                       std::to_string(kImageSize) + ".");
        }
        image = loaded;  // only a complete image replaces the one being edited
        return FileResult::success();
    } catch (const std::exception& error) {  // e.g. a name the file system cannot represent
        return FileResult::failure("Cannot open the file \"" + path + "\": " + error.what());
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
            return FileResult::failure("Cannot save the file \"" + path + "\": it is a folder.");
        // A file the user made read-only is one they want kept: the save
        // fails instead of putting a new file in its place.
        const fs::file_status existing = fs::status(target, ec);
        constexpr fs::perms kAnyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
        if (!ec && fs::exists(existing) && (existing.permissions() & kAnyWrite) == fs::perms::none)
            return FileResult::failure("Cannot save the file \"" + path + "\": it is read-only.");

        const fs::path tmp = TemporaryPathFor(target);
        FileResult written = WriteAndFlush(tmp, contents);
        if (written.ok) {
            // A saved file keeps the permissions the user gave the old one.
            const fs::file_status old = fs::status(target, ec);
            if (!ec && fs::exists(old))
                fs::permissions(tmp, old.permissions(), ec);
            written = ReplaceTarget(tmp, target);
        }
        if (!written.ok) {
            fs::remove(tmp, ec);
            return FileResult::failure("Cannot save the file \"" + path + "\": " + written.message + ".");
        }
        return FileResult::success();
    } catch (const std::exception& error) {  // e.g. a name the file system cannot represent
        return FileResult::failure("Cannot save the file \"" + path + "\": " + error.what());
    }
}

}  // namespace zem
