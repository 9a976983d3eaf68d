#include "compare/verify_mismatch.h"

#include "compare/document_diff.h"

#include <algorithm>

namespace zem {

namespace {

// The first difference, the written value first; none when the radio holds
// what was written.
std::vector<Difference> FirstDifference(const RadioImage& written, const std::vector<ByteDifference>& differences) {
    RadioImage radio = written;
    for (const ByteDifference& difference : differences) radio[difference.address] = difference.radio;
    std::vector<Difference> found = DocumentDifferences(written, radio);
    found.resize(std::min<std::size_t>(found.size(), 1));
    return found;
}

}  // namespace

std::string FirstWriteDifference(const RadioImage& written, const std::vector<ByteDifference>& differences) {
    const std::vector<Difference> first = FirstDifference(written, differences);
    return first.empty() ? std::string() : first.front().english();
}

Text VerifyMismatchText(const RadioImage& written, const std::vector<ByteDifference>& differences) {
    const std::vector<Difference> first = FirstDifference(written, differences);
    if (first.empty())
        return Text(kTextLink,
                    ZEM_TRANSLATE_NOOP("zem::Link", "The radio does not hold what was written. First difference: %1.\n"
                                                    "The program has kept its data: write again, or check the radio "
                                                    "and the cable."),
                    {std::string()});
    // The place, the radio's value, the program's.
    const Difference& parts = first.front();
    return Text(kTextLink,
                ZEM_TRANSLATE_NOOP("zem::Link", "The radio does not hold what was written. First difference: %1 is %2 "
                                                "in the radio, %3 in the program.\nThe program has kept its data: "
                                                "write again, or check the radio and the cable."),
                {parts.where, parts.after, parts.before});
}

Text VerifyMismatchFinding(const RadioImage& written, const std::vector<ByteDifference>& differences) {
    const std::vector<Difference> first = FirstDifference(written, differences);
    if (first.empty())
        return Text(kTextLink,
                    ZEM_TRANSLATE_NOOP("zem::Link", "The radio does not hold what was written. First difference: %1."),
                    {std::string()});
    const Difference& parts = first.front();
    return Text(kTextLink,
                ZEM_TRANSLATE_NOOP("zem::Link", "The radio does not hold what was written. First difference: %1 is %2 "
                                                "in the radio, %3 in the program."),
                {parts.where, parts.after, parts.before});
}

std::string VerifyMismatchMessage(const RadioImage& written, const std::vector<ByteDifference>& differences) {
    return VerifyMismatchText(written, differences).english();
}

}  // namespace zem
