#pragma once

#include <string>

namespace zem {

// The text without the blanks and tabs at either end: how a value pasted,
// imported or read from a plan is taken.
inline std::string Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace zem
