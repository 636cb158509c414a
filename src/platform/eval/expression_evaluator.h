#pragma once

#include "platform/evaluator.h"

namespace zelvo {

// Evaluates the arithmetic of the conversion expressions in double precision:
// numbers (12, 12., .5, 1.5E-05), unary + and -, the four operators with the usual
// precedence, parentheses and blanks between tokens. Anything else is a syntax error.
// A syntax error anywhere outranks an arithmetic error, as the whole text is parsed
// before its value counts. Nesting deeper than kMaxNesting fails instead of
// exhausting the stack; time is linear in the length of the text.
class ExpressionEvaluator final : public Evaluator {
  public:
    static constexpr int kMaxNesting = 256;

    EvalResult Eval(std::string_view expression) override;
};

}  // namespace zelvo
