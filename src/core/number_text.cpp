#include "core/number_text.h"

#include <array>
#include <cctype>
#include <charconv>

namespace core {

namespace {

bool isDigit(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

bool startsWithDigits(std::string_view text)
{
    if (!text.empty() && text.front() == '.')
        text.remove_prefix(1);
    return !text.empty() && isDigit(text.front());
}

} // namespace

double textToNumber(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // from_chars would also take "inf" and "nan", which are no decimal numbers.
    if (!startsWithDigits(text))
        return 0;
    double number = 0;
    std::from_chars(text.data(), text.data() + text.size(), number);
    return negative ? -number : number;
}

std::string numberToText(double number)
{
    if (number == 0)
        return "0"; // also for -0
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), number);
    return {buffer.data(), result.ptr};
}

} // namespace core
