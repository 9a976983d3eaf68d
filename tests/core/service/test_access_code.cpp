#include "service/access_code.h"

#include <gtest/gtest.h>

namespace zem {
namespace {

TEST(AccessCodeTest, OnlyTheWholeCodeExactlyOpens)
{
    EXPECT_TRUE(CheckAccessCode("52038417"));
    for (const char* typed : {"52038417 ", " 52038417", "5203841", "520384170", "", "52038418"})
        EXPECT_FALSE(CheckAccessCode(typed)) << '"' << typed << '"';
}

}  // namespace
}  // namespace zem
