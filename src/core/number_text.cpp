#include "core/number_text.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <iomanip>
#include <limits>
#include <locale>
#include <sstream>

namespace core {

namespace {

bool isDigit(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// Where the digits from the position on end.
std::size_t digitsEnd(std::string_view text, std::size_t from)
{
    while (from < text.size() && isDigit(text[from]))
        ++from;
    return from;
}

// How long the decimal number at the start of the text is: digits, with a point among or
// before them, then an exponent where digits follow its "e"; 0 where there is none. So "inf"
// and "nan", which are no decimal numbers, are none.
std::size_t decimalLength(std::string_view text)
{
    std::size_t end = digitsEnd(text, 0);
    const bool whole = end > 0;
    if (end < text.size() && text[end] == '.')
        end = digitsEnd(text, end + 1);
    if (!whole && end <= 1)
        return 0;
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t exponent = end + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-'))
            ++exponent;
        if (const std::size_t digits = digitsEnd(text, exponent); digits > exponent)
            end = digits;
    }
    return end;
}

// The number in the classic locale, whatever the program's: in scientific notation with the
// significant digits given ("1.5e+01"), or with none after the point ("15").
std::string written(double number, std::ios_base::fmtflags notation, int precision)
{
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text.setf(notation, std::ios_base::floatfield);
    text << std::setprecision(precision) << number;
    return text.str();
}

// The number written out in full where that is no longer than in scientific notation, with
// as many digits after the point as that has significant digits there; a whole number is
// written exactly, its digits beyond the significant ones too.
std::string shorterOf(double number, const std::string& scientific)
{
    const std::size_t e = scientific.find('e');
    const bool negative = number < 0;
    const int digits = int(e - negative) - (scientific.find('.') < e ? 1 : 0);
    const int exponent = std::stoi(scientific.substr(e + 1));
    const std::string plain =
        written(number, std::ios_base::fixed, std::max(0, digits - 1 - exponent));
    return plain.size() <= scientific.size() ? plain : scientific;
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
    const std::size_t length = decimalLength(text);
    if (length == 0)
        return 0;
    std::istringstream digits{std::string(text.substr(0, length))};
    digits.imbue(std::locale::classic());
    double number = 0;
    // Beyond the range of a double, no number.
    if (!(digits >> number))
        return 0;
    return negative ? -number : number;
}

// The fewest significant digits that read back as the number, as the shorter of scientific
// and plain notation.
std::string numberToText(double number)
{
    if (number == 0)
        return "0"; // also for -0
    if (!std::isfinite(number))
        return std::isnan(number) ? "nan" : number < 0 ? "-inf" : "inf";
    int digits = 1;
    const auto scientific = [number](int digits) {
        return written(number, std::ios_base::scientific, digits - 1);
    };
    while (digits < std::numeric_limits<double>::max_digits10 &&
           textToNumber(scientific(digits)) != number)
        ++digits;
    return shorterOf(number, scientific(digits));
}

} // namespace core
