#pragma once

#include <string>

namespace zem {

extern const char* const kMsgWrongAccessCode;  // "Not the correct password"

// The longest text the access code field accepts.
constexpr int kAccessCodeMaxLength = 11;

// True when the typed text is exactly the service access code (case-sensitive,
// whole text, no trimming).
bool CheckAccessCode(const std::string& typed);

}  // namespace zem
