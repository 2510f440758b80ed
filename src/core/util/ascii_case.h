#pragma once

#include <algorithm>
#include <string_view>

namespace tubrix {

// Letters compared without case, A to Z only, whatever the locale: the names this is for (file
// extensions, column headings) are ASCII, and any other byte compares as it is.
inline bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    const auto minuscula = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) {
               return minuscula(x) == minuscula(y);
           });
}

inline bool endsWithIgnoringCase(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() &&
           equalsIgnoringCase(text.substr(text.size() - suffix.size()), suffix);
}

} // namespace tubrix
