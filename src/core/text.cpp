#include "text.h"

#include <iterator>

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

Text Text::Joined(std::vector<Text> parts, const std::string& separator) {
    if (parts.size() == 1) return std::move(parts.front());
    // A pattern has nine places; more parts nest, the ninth joining the rest.
    constexpr std::size_t kPlaces = 9;
    if (parts.size() > kPlaces) {
        std::vector<Text> rest(std::make_move_iterator(parts.begin() + kPlaces - 1),
                               std::make_move_iterator(parts.end()));
        parts.resize(kPlaces - 1);
        parts.push_back(Joined(std::move(rest), separator));
    }
    std::string pattern;
    for (std::size_t i = 0; i < parts.size(); ++i)
        pattern += (i ? separator : std::string()) + "%" + std::to_string(i + 1);
    return Text(kTextJoined, pattern, std::move(parts));
}

std::string Text::english() const {
    if (!marked()) return value_;
    std::vector<std::string> values;
    values.reserve(args_.size());
    for (const Text& arg : args_) values.push_back(arg.english());
    return FillPlaces(source_, values);
}

}  // namespace zem
