#include "compare/verify_mismatch.h"

#include "compare/document_diff.h"

namespace zem {

std::string FirstWriteDifference(const RadioImage& written, const std::vector<ByteDifference>& differences) {
    RadioImage radio = written;
    for (const ByteDifference& difference : differences) radio[difference.address] = difference.radio;
    const std::vector<std::string> lines = DiffDocuments(written, radio);
    return lines.empty() ? std::string() : lines.front();
}

std::string VerifyMismatchMessage(const RadioImage& written, const std::vector<ByteDifference>& differences) {
    const DiffLine parts = SplitDiffLine(FirstWriteDifference(written, differences));
    std::string message = "The radio does not hold what was written. First difference: " + parts.where;
    if (!parts.before.empty() || !parts.after.empty())
        message += " is " + parts.after + " in the radio, " + parts.before + " in the program";
    return message + ".\nThe program has kept its data: write again, or check the radio and the cable.";
}

}  // namespace zem
