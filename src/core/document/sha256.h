#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace zem {

// The SHA-256 digest of bytes as 64 lowercase hex digits: what a report
// records so that the program file a radio got can be told from any other.
std::string Sha256Hex(const std::uint8_t* bytes, std::size_t count);

}  // namespace zem
