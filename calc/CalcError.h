#pragma once

#include <stdexcept>
#include <string>

namespace cable {

enum class TCalcErrorKind {
    ekConversion, // an input text that is not a number
    ekZeroDivide,
    ekInvalidOp,
    ekOverflow,
    ekNoCable, // the walk gave up: no cable of the family fits
};

// The one error a calculation raises; what() is the text the user sees.
class TCalcError : public std::runtime_error {
public:
    TCalcError(TCalcErrorKind kind, const std::string& message)
        : std::runtime_error(message), kind_(kind) {}
    TCalcErrorKind Kind() const { return kind_; }

private:
    TCalcErrorKind kind_;
};

inline constexpr const char* kZeroDivideMessage = "Floating point division by zero";
inline constexpr const char* kInvalidOpMessage = "Invalid floating point operation";
inline constexpr const char* kOverflowMessage = "Floating point overflow";

} // namespace cable
