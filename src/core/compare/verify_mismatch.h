#pragma once

#include "document/radio_image.h"
#include "link/transfer.h"
#include "text.h"

#include <string>
#include <vector>

namespace zem {

// The one message of a verify whose read-back differs from what was
// written, the same in the window, zemtool, the browser and a fleet's
// report: the first difference in the pages' words, the radio's value
// first, then what the user can do ("The radio does not hold what was
// written. First difference: channel 2 Receive is 400.11250 in the radio,
// 400.01250 in the program.\n..."). differences are a VerifyWrite's.
// VerifyMismatchText is the same message for the window to translate.
std::string VerifyMismatchMessage(const RadioImage& written, const std::vector<ByteDifference>& differences);
Text VerifyMismatchText(const RadioImage& written, const std::vector<ByteDifference>& differences);

// The first line of that message alone, the difference without what the
// user can do ("The radio does not hold what was written. First difference:
// channel 2 Receive is 400.11250 in the radio, 400.01250 in the program."):
// a fleet's row and report say it.
Text VerifyMismatchFinding(const RadioImage& written, const std::vector<ByteDifference>& differences);

// The first difference as a line of DiffDocuments, the written value first
// ("channel 3 Receive: 145.00000 -> 146.00000"); empty when there is none.
std::string FirstWriteDifference(const RadioImage& written, const std::vector<ByteDifference>& differences);

}  // namespace zem
