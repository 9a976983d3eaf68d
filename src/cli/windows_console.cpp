#include "cli/windows_console.h"

#include <windows.h>
#include <shellapi.h>

#include <iostream>
#include <streambuf>

namespace zem::cli {

namespace {

std::string Utf8(const wchar_t* text, int length) {
    if (length <= 0) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, length, utf8.data(), size, nullptr, nullptr);
    return utf8;
}

// The length of text without an incomplete UTF-8 sequence at its end, which
// waits for the rest of its bytes.
std::size_t CompleteLength(const std::string& text) {
    std::size_t start = text.size();
    for (int back = 0; back < 4 && start > 0; ++back) {
        const unsigned char c = static_cast<unsigned char>(text[start - 1]);
        if ((c & 0xC0) != 0x80) {
            const std::size_t need = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
            return text.size() - (start - 1) >= need ? text.size() : start - 1;
        }
        --start;
    }
    return text.size();
}

// Each write goes to the console at once, as UTF-16.
class ConsoleBuffer final : public std::streambuf {
public:
    explicit ConsoleBuffer(HANDLE console) : console_(console) {}

protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
        const char byte = traits_type::to_char_type(c);
        return xsputn(&byte, 1) == 1 ? c : traits_type::eof();
    }

    std::streamsize xsputn(const char* bytes, std::streamsize count) override {
        pending_.append(bytes, static_cast<std::size_t>(count));
        const std::size_t complete = CompleteLength(pending_);
        const int size = MultiByteToWideChar(CP_UTF8, 0, pending_.data(), static_cast<int>(complete), nullptr, 0);
        std::wstring wide(static_cast<std::size_t>(size), L'\0');
        MultiByteToWideChar(CP_UTF8, 0, pending_.data(), static_cast<int>(complete), wide.data(), size);
        pending_.erase(0, complete);
        DWORD written = 0;
        if (!wide.empty() && !WriteConsoleW(console_, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr))
            return 0;
        return count;
    }

private:
    HANDLE console_;
    std::string pending_;
};

void UseConsole(std::ostream& stream, DWORD handleId) {
    HANDLE handle = GetStdHandle(handleId);
    DWORD mode = 0;
    if (handle == INVALID_HANDLE_VALUE || !GetConsoleMode(handle, &mode)) return;  // a file or a pipe
    stream.flush();
    // Never freed: the streams are flushed once more after main returns.
    stream.rdbuf(new ConsoleBuffer(handle));
}

}  // namespace

std::vector<std::string> WideCommandLineArguments() {
    std::vector<std::string> args;
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide) return args;
    for (int i = 1; i < count; ++i) args.push_back(Utf8(wide[i], static_cast<int>(wcslen(wide[i]))));
    LocalFree(wide);
    return args;
}

void WriteConsoleAsUnicode() {
    UseConsole(std::cout, STD_OUTPUT_HANDLE);
    UseConsole(std::cerr, STD_ERROR_HANDLE);
}

}  // namespace zem::cli
