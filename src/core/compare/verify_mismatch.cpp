#include "compare/verify_mismatch.h"

#include "compare/document_diff.h"

namespace zem {

std::string FirstWriteDifference(const RadioImage& written, const std::vector<ByteDifference>& differences) {
    RadioImage radio = written;
    for (const ByteDifference& difference : differences) radio[difference.address] = difference.radio;
    const std::vector<std::string> lines = DiffDocuments(written, radio);
    return lines.empty() ? std::string() : lines.front();
}

Text VerifyMismatchText(const RadioImage& written, const std::vector<ByteDifference>& differences) {
    const DiffLine parts = SplitDiffLine(FirstWriteDifference(written, differences));
    if (parts.before.empty() && parts.after.empty())
        return Text(kTextLink,
                    ZEM_TRANSLATE_NOOP("zem::Link", "The radio does not hold what was written. First difference: %1.\n"
                                                    "The program has kept its data: write again, or check the radio "
                                                    "and the cable."),
                    {parts.where});
    // The place, the radio's value, the program's.
    return Text(kTextLink,
                ZEM_TRANSLATE_NOOP("zem::Link", "The radio does not hold what was written. First difference: %1 is %2 "
                                                "in the radio, %3 in the program.\nThe program has kept its data: "
                                                "write again, or check the radio and the cable."),
                {parts.where, parts.after, parts.before});
}

Text VerifyMismatchFinding(const RadioImage& written, const std::vector<ByteDifference>& differences) {
    const DiffLine parts = SplitDiffLine(FirstWriteDifference(written, differences));
    if (parts.before.empty() && parts.after.empty())
        return Text(kTextLink,
                    ZEM_TRANSLATE_NOOP("zem::Link", "The radio does not hold what was written. First difference: %1."),
                    {parts.where});
    return Text(kTextLink,
                ZEM_TRANSLATE_NOOP("zem::Link", "The radio does not hold what was written. First difference: %1 is %2 "
                                                "in the radio, %3 in the program."),
                {parts.where, parts.after, parts.before});
}

std::string VerifyMismatchMessage(const RadioImage& written, const std::vector<ByteDifference>& differences) {
    return VerifyMismatchText(written, differences).english();
}

}  // namespace zem
