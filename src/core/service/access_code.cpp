#include "service/access_code.h"

#include "translate.h"

namespace zem {

const char* const kMsgWrongAccessCode = ZEM_TRANSLATE_NOOP("zem::Link", "Not the correct password");

namespace {

// The code that opens the service functions; the same for every radio.
constexpr const char* kAccessCode = "52038417";

}  // namespace

bool CheckAccessCode(const std::string& typed) { return typed == kAccessCode; }

}  // namespace zem
