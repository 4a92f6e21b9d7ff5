// Arbitrary texts in the eight input fields through the whole calculation. The input is the
// eight texts separated by line feeds, in the order span, sag, wind region, ice region, family,
// fibres, terrain, height (missing ones are empty); a ninth line, when present and free of
// digits, signs and exponent letters, is the decimal separator (otherwise '.').
//
// Checked: no crash and no sanitizer report; every text written is a number in the general
// format or one of the two verdicts; every error is a conversion error naming one of the texts
// or one of the three floating-point faults; nothing else is thrown.
#include "CalcError.h"
#include "Calculation.h"
#include "FieldTexts.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace cable;

[[noreturn]] void Fail(const std::string& what) {
    std::fprintf(stderr, "calculation-fuzz: %s\n", what.c_str());
    std::abort();
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A number in the general format with separator sep: optional '-', no leading zeros, no trailing
// zeros after the separator, up to 15 significant digits; or the scientific form "1.5E20",
// "-2E-7" for very large and very small magnitudes.
bool IsGeneralNumber(std::string_view text, std::string_view sep) {
    if (text.starts_with('-')) {
        text.remove_prefix(1);
        if (text == "0") {
            return false; // -0 shows as "0"
        }
    }
    std::string_view mantissa = text;
    std::string_view exponent;
    const size_t e = text.find('E');
    if (e != std::string_view::npos) {
        mantissa = text.substr(0, e);
        exponent = text.substr(e + 1);
        if (exponent.starts_with('-')) {
            exponent.remove_prefix(1);
        }
        if (exponent.empty() || exponent.size() > 4 || exponent.front() == '0') {
            return false;
        }
        for (char c : exponent) {
            if (!IsDigit(c)) {
                return false;
            }
        }
    }
    std::string_view whole = mantissa;
    std::string_view fraction;
    const size_t s = sep.empty() ? std::string_view::npos : mantissa.find(sep);
    if (s != std::string_view::npos) {
        whole = mantissa.substr(0, s);
        fraction = mantissa.substr(s + sep.size());
        if (fraction.empty() || fraction.back() == '0') {
            return false;
        }
    }
    if (whole.empty() || (whole.size() > 1 && whole.front() == '0')) {
        return false;
    }
    if (e != std::string_view::npos && (whole.size() != 1 || whole == "0")) {
        return false;
    }
    std::string digits = std::string(whole) + std::string(fraction);
    for (char c : digits) {
        if (!IsDigit(c)) {
            return false;
        }
    }
    const size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) {
        return text == "0";
    }
    // Trailing zeros of a whole number count: 1E14 is shown with all its 15 digits.
    return digits.size() - first <= 15;
}

bool IsVerdict(std::string_view text, std::string_view sep) {
    if (text == kGiveUpVerdict) {
        return true;
    }
    constexpr std::string_view kPrefix = "Необходимо выбрать кабель на ";
    constexpr std::string_view kSuffix = "кН";
    return text.starts_with(kPrefix) && text.ends_with(kSuffix) &&
           IsGeneralNumber(
               text.substr(kPrefix.size(), text.size() - kPrefix.size() - kSuffix.size()), sep);
}

bool IsExpectedError(const TCalcError& e, const TInputTexts& texts) {
    const std::string what = e.what();
    if (e.Kind() == TCalcErrorKind::ekZeroDivide) {
        return what == kZeroDivideMessage;
    }
    if (e.Kind() == TCalcErrorKind::ekInvalidOp) {
        return what == kInvalidOpMessage;
    }
    if (e.Kind() == TCalcErrorKind::ekOverflow) {
        return what == kOverflowMessage;
    }
    if (e.Kind() != TCalcErrorKind::ekConversion) {
        return false;
    }
    // A NUL byte of the text shows as U+FFFD in the message.
    const auto quoted = [](const std::string& text) {
        std::string q = "'";
        for (char c : text) {
            q += c == '\0' ? std::string("\uFFFD") : std::string(1, c);
        }
        return q + "'";
    };
    for (const std::string* text : {&texts.Span, &texts.SagPercent, &texts.WindRegion,
                                    &texts.IceRegion, &texts.FiberCount, &texts.SuspensionHeight}) {
        if (what == quoted(*text) + " is not a valid integer value" ||
            what == quoted(*text) + " is not a valid floating point value") {
            return true;
        }
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::string lines[9];
    bool present[9] = {};
    for (int i = 0; i < 9; ++i) {
        present[i] = i == 0 || !input.empty();
        const size_t end = input.find('\n');
        lines[i] = std::string(input.substr(0, end));
        input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
    }
    TInputTexts texts;
    std::string* fields[8] = {&texts.Span,      &texts.SagPercent,      &texts.WindRegion,
                              &texts.IceRegion, &texts.Family,          &texts.FiberCount,
                              &texts.Terrain,   &texts.SuspensionHeight};
    for (int i = 0; i < 8; ++i) {
        *fields[i] = lines[i];
    }
    std::string separator = ".";
    if (present[8] && !lines[8].empty() && lines[8].size() <= 4 &&
        lines[8].find_first_of("0123456789+-eE") == std::string::npos) {
        separator = lines[8];
    }

    TFieldTexts sink;
    try {
        RunCalculation(texts, separator, sink);
    } catch (const TCalcError& e) {
        if (!IsExpectedError(e, texts)) {
            Fail("unexpected error text: " + std::string(e.what()));
        }
    }
    for (int f = 0; f < kOutputFieldCount; ++f) {
        const auto field = static_cast<TOutputField>(f);
        const std::string& text = sink.Text(field);
        if (!sink.Written(field)) {
            if (!text.empty()) {
                Fail("a field not written holds a text");
            }
            continue;
        }
        const bool ok = field == TOutputField::ofLabel11 ? IsVerdict(text, separator)
                                                         : IsGeneralNumber(text, separator);
        if (!ok) {
            Fail(std::string(OutputFieldName(field)) + " shows '" + text + "'");
        }
    }
    return 0;
}
