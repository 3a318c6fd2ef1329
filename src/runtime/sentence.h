#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rt {

// A sentence as a handler hands it to the runtime, which says it in the player's language: a
// text marked NC_("Quillory", ...), the values of its %1, %2, ..., and the count of its %n,
// which chooses the language's plural form. A value is a sentence in turn, or, with no text
// marked, words said as they stand, such as a number.
struct Sentence {
    std::string_view marked{};
    std::vector<Sentence> values{};
    std::optional<int> count{};
    std::string verbatim{};
};

} // namespace rt
