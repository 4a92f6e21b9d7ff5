#include "NumberText.h"

#include "CalcError.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace cable {
namespace {

std::string_view TrimBlanks(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The message names the text; a NUL byte in it shows as U+FFFD, since what() is read as a C
// string and would otherwise end the message there.
[[noreturn]] void RaiseConversion(std::string_view text, const char* what) {
    std::string message = "'";
    for (char c : text) {
        if (c == '\0') {
            message += "\uFFFD";
        } else {
            message += c;
        }
    }
    message += "' is not a valid ";
    message += what;
    message += " value";
    throw TCalcError(TCalcErrorKind::ekConversion, message);
}

// Replaces the locale's separator by '.', the only one from_chars reads. A '.' that is not the
// locale's separator makes the text invalid, as it would be in that locale.
bool ToCanonicalReal(std::string_view text, std::string_view separator, std::string& out) {
    out.clear();
    for (size_t i = 0; i < text.size();) {
        if (!separator.empty() && text.substr(i, separator.size()) == separator) {
            out += '.';
            i += separator.size();
        } else if (text[i] == '.') {
            return false;
        } else {
            out += text[i];
            ++i;
        }
    }
    return true;
}

} // namespace

int32_t ParseInteger(std::string_view text) {
    std::string_view digits = TrimBlanks(text);
    bool negative = false;
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    if (digits.empty() || !IsDigit(digits.front())) {
        RaiseConversion(text, "integer");
    }
    uint64_t magnitude = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
    const uint64_t limit = negative ? uint64_t{1} << 31 : (uint64_t{1} << 31) - 1;
    if (ec != std::errc() || end != digits.data() + digits.size() || magnitude > limit) {
        RaiseConversion(text, "integer");
    }
    return negative ? static_cast<int32_t>(-static_cast<int64_t>(magnitude))
                    : static_cast<int32_t>(magnitude);
}

double ParseReal(std::string_view text, std::string_view decimalSeparator) {
    std::string canonical;
    if (!ToCanonicalReal(TrimBlanks(text), decimalSeparator, canonical)) {
        RaiseConversion(text, "floating point");
    }
    std::string_view body = canonical;
    bool negative = false;
    if (!body.empty() && (body.front() == '+' || body.front() == '-')) {
        negative = body.front() == '-';
        body.remove_prefix(1);
    }
    // Digits or a separator must come first: no "inf", "nan", or a second sign.
    if (body.empty() || !(IsDigit(body.front()) || body.front() == '.')) {
        RaiseConversion(text, "floating point");
    }
    double value = 0;
    const auto [end, ec] =
        std::from_chars(body.data(), body.data() + body.size(), value, std::chars_format::general);
    if (ec != std::errc() || end != body.data() + body.size() || !std::isfinite(value)) {
        RaiseConversion(text, "floating point");
    }
    return negative ? -value : value;
}

std::string FormatGeneral(long double value, std::string_view decimalSeparator) {
    constexpr int kPrecision = 15;
    if (value == 0 || !std::isfinite(value)) {
        // -0 shows as "0"; a calculation never lets an infinity or NaN reach this point.
        return "0";
    }
    // A double with a whole number of hundredths (a rated load such as 3.5): v * 100 is exact in
    // long double, so it is exactly k / 100 and its 15 digits are those of k.
    if (std::fabs(value) < 1e13L && static_cast<long double>(static_cast<double>(value)) == value) {
        const long double hundredths = value * 100;
        if (hundredths == std::trunc(hundredths)) {
            return FormatHundredths(static_cast<int64_t>(hundredths), decimalSeparator);
        }
    }
    // 15 significant digits, correctly rounded: "d.dddddddddddddde+XX". A value that is a double
    // (a rated load, a stored quantity) takes the double conversion, which gives the same digits
    // as the long double one (both are exact) many times faster.
    char buffer[64];
    // (Out of the double range the cast is not tried: it would raise the overflow flag.)
    const bool inDoubleRange = std::fabs(value) <= std::numeric_limits<double>::max();
    const double asDouble = inDoubleRange ? static_cast<double>(value) : 0;
    const auto [end, ec] = inDoubleRange && asDouble == value
                               ? std::to_chars(buffer, buffer + sizeof buffer, asDouble,
                                               std::chars_format::scientific, kPrecision - 1)
                               : std::to_chars(buffer, buffer + sizeof buffer, value,
                                               std::chars_format::scientific, kPrecision - 1);
    std::string_view sci(buffer, static_cast<size_t>(end - buffer));
    if (ec != std::errc()) {
        return "0";
    }
    const bool negative = sci.front() == '-';
    if (negative) {
        sci.remove_prefix(1);
    }
    const size_t e = sci.find('e');
    std::string digits;
    for (char c : sci.substr(0, e)) {
        if (c != '.') {
            digits += c;
        }
    }
    int exponent = 0;
    std::string_view exponentText = sci.substr(e + 1);
    if (exponentText.front() == '+') {
        exponentText.remove_prefix(1);
    }
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }

    std::string out = negative ? "-" : "";
    if (exponent >= kPrecision || std::fabs(value) < 1e-5L) {
        out += digits.substr(0, 1);
        if (digits.size() > 1) {
            out += decimalSeparator;
            out += digits.substr(1);
        }
        out += 'E';
        out += std::to_string(exponent);
    } else if (exponent < 0) {
        out += '0';
        out += decimalSeparator;
        out.append(static_cast<size_t>(-exponent - 1), '0');
        out += digits;
    } else {
        const size_t whole = static_cast<size_t>(exponent) + 1;
        if (digits.size() <= whole) {
            out += digits;
            out.append(whole - digits.size(), '0');
        } else {
            out += digits.substr(0, whole);
            out += decimalSeparator;
            out += digits.substr(whole);
        }
    }
    return out;
}

std::string FormatHundredths(int64_t hundredths, std::string_view decimalSeparator) {
    const uint64_t magnitude =
        hundredths < 0 ? 0 - static_cast<uint64_t>(hundredths) : static_cast<uint64_t>(hundredths);
    const unsigned fraction = static_cast<unsigned>(magnitude % 100);
    // Built in place: most results fit the string's own buffer and need no allocation.
    char text[64];
    char* end = text;
    if (hundredths < 0) {
        *end++ = '-';
    }
    end = std::to_chars(end, text + 24, magnitude / 100).ptr;
    if (fraction == 0) {
        return std::string(text, end);
    }
    char digits[2] = {static_cast<char>('0' + fraction / 10),
                      static_cast<char>('0' + fraction % 10)};
    const size_t digitCount = fraction % 10 != 0 ? 2 : 1;
    if (decimalSeparator.size() > sizeof text - 26) {
        return std::string(text, end) + std::string(decimalSeparator) +
               std::string(digits, digitCount);
    }
    for (char c : decimalSeparator) { // a byte or two: no call to memmove
        *end++ = c;
    }
    for (size_t i = 0; i < digitCount; ++i) {
        *end++ = digits[i];
    }
    return std::string(text, end);
}

} // namespace cable
