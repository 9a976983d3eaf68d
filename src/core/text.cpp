#include "text.h"

namespace zem {

std::string FillPlaces(const std::string& pattern, const std::vector<std::string>& values) {
    std::string filled;
    filled.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const std::size_t n = static_cast<std::size_t>(next - '0');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && n <= values.size()) {
            filled += values[n - 1];
            ++i;
        } else {
            filled += pattern[i];
        }
    }
    return filled;
}

std::string Text::english() const {
    if (!marked()) return value_;
    std::vector<std::string> values;
    values.reserve(args_.size());
    for (const Text& arg : args_) values.push_back(arg.english());
    return FillPlaces(source_, values);
}

}  // namespace zem
