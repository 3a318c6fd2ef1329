#pragma once

#include <string>
#include <string_view>

namespace core {

// The longest decimal number at the start of the text, after leading blanks;
// 0 when the text does not start with one.
double textToNumber(std::string_view text);

// The shortest decimal text that reads back as the same number: no leading blank,
// no decimal point for whole numbers ("19", "0").
std::string numberToText(double number);

} // namespace core
