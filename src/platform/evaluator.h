#pragma once

#include <string_view>

namespace zelvo {

// Error numbers an evaluation can fail with, in the script engine's numbering.
namespace eval_error {
inline constexpr int kOverflow = 6;
inline constexpr int kDivisionByZero = 11;
inline constexpr int kOutOfStackSpace = 28;
inline constexpr int kSyntaxError = 1002;
inline constexpr int kExpectedIdentifier = 1010;
}  // namespace eval_error

struct EvalResult {
    double value = 0.0;
    int error = 0;  // 0 on success, otherwise one of eval_error

    bool ok() const { return error == 0; }
};

// Computes the value of an arithmetic expression text.
class Evaluator {
  public:
    virtual ~Evaluator() = default;
    virtual EvalResult Eval(std::string_view expression) = 0;
};

}  // namespace zelvo
