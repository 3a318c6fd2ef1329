#pragma once

#include <algorithm>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace picturegen {

// What one character of a text-drawn picture stands for.
template<typename T> struct Key {
    char symbol;
    T value;
};

// Splits a picture drawn as text into its rows, one line per row and one character per
// pixel, and checks that it is `width` by `height`. Blank lines at either end are ignored.
std::vector<std::string_view> gridRows(std::string_view text, int width, int height);

// Reads a picture drawn as text into its values, top row first.
template<typename T>
std::vector<T> readGrid(std::string_view text, int width, int height, std::span<const Key<T>> key)
{
    std::vector<T> values;
    for (std::string_view row : gridRows(text, width, height)) {
        for (char symbol : row) {
            auto found = std::find_if(key.begin(), key.end(),
                                      [symbol](const Key<T>& k) { return k.symbol == symbol; });
            if (found == key.end())
                throw std::runtime_error(std::string("character not in the key: ") + symbol);
            values.push_back(found->value);
        }
    }
    return values;
}

} // namespace picturegen
