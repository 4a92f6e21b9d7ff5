#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Text <-> number conversions of the calculation. Independent of the C library's locale:
// the decimal separator is always a parameter.
namespace cable {

// A whole number of the 32-bit signed range: optional blanks, an optional sign, decimal digits.
// Raises TCalcError "'<text>' is not a valid integer value" otherwise.
int32_t ParseInteger(std::string_view text);

// A finite real with decimalSeparator as the separator, optional sign and exponent
// ("1,5", "-2", "1e3" with ','). Raises TCalcError "'<text>' is not a valid floating point value"
// for anything else, including texts out of the double range.
double ParseReal(std::string_view text, std::string_view decimalSeparator);

// The general number format: up to 15 significant digits, no trailing zeros, no separator for a
// whole number, "-0" shown as "0"; scientific ("1.5E20") from 10^15 up and below 10^-5.
std::string FormatGeneral(long double value, std::string_view decimalSeparator);

// hundredths / 100 in the general format, for |hundredths| < 10^15: the same text as
// FormatGeneral(hundredths / 100.0L), "-0.01", "2.27", "12", "0".
std::string FormatHundredths(int64_t hundredths, std::string_view decimalSeparator);

} // namespace cable
