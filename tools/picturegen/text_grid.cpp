#include "text_grid.h"

namespace picturegen {

std::vector<std::string_view> gridRows(std::string_view text, int width, int height)
{
    while (text.starts_with('\n'))
        text.remove_prefix(1);
    while (text.ends_with('\n'))
        text.remove_suffix(1);

    std::vector<std::string_view> rows;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        rows.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    if (rows.size() != static_cast<std::size_t>(height))
        throw std::runtime_error("a text picture has " + std::to_string(rows.size()) +
                                 " rows instead of " + std::to_string(height));
    for (std::string_view row : rows) {
        if (row.size() != static_cast<std::size_t>(width))
            throw std::runtime_error("a text picture has a row of " + std::to_string(row.size()) +
                                     " characters instead of " + std::to_string(width) + ": " +
                                     std::string(row));
    }
    return rows;
}

} // namespace picturegen
