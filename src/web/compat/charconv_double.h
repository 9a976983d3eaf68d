#pragma once

// The C++ library of Debian's emscripten (libc++ of LLVM 14) has
// std::from_chars for integers only. The core reads decimal numbers with the
// floating-point one; this supplies it for the browser build, through the C
// library, whose conversions in WebAssembly always use the "C" locale.
// The wasm build force-includes this header into zemcore's sources.
#include <charconv>
#include <cerrno>
#include <cstdlib>
#include <string>
#include <system_error>

#if defined(__EMSCRIPTEN__) && defined(_LIBCPP_VERSION) && _LIBCPP_VERSION < 170000

namespace std {

inline from_chars_result from_chars(const char* first, const char* last, double& value,
                                    chars_format = chars_format::general) {
    const string text(first, last);
    char* end = nullptr;
    errno = 0;
    const double parsed = strtod(text.c_str(), &end);
    if (end == text.c_str()) return {first, errc::invalid_argument};
    const char* stop = first + (end - text.c_str());
    if (errno == ERANGE) return {stop, errc::result_out_of_range};
    value = parsed;
    return {stop, errc{}};
}

}  // namespace std

#endif
