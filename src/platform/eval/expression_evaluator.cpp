#include "platform/eval/expression_evaluator.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace zelvo {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

class Parser {
  public:
    explicit Parser(std::string_view text) : text_(text) {}

    EvalResult Run() {
        const double value = Expression();
        SkipBlanks();
        if (!stopped_ && pos_ != text_.size()) {
            Fail(eval_error::kSyntaxError);
        }
        if (stopped_) {
            return {0.0, stopError_};
        }
        if (arithmeticError_ != 0) {
            return {0.0, arithmeticError_};
        }
        if (!std::isfinite(value)) {
            return {0.0, eval_error::kOverflow};
        }
        return {value == 0.0 ? 0.0 : value, 0};
    }

  private:
    // Ends parsing at once: used for syntax errors and for too deep nesting.
    void Fail(int error) {
        if (!stopped_) {
            stopped_ = true;
            stopError_ = error;
        }
    }

    // Arithmetic errors are kept until the whole text has been checked for syntax.
    void NoteArithmeticError(int error) {
        if (arithmeticError_ == 0) {
            arithmeticError_ = error;
        }
    }

    double Checked(double result) {
        if (!std::isfinite(result)) {
            NoteArithmeticError(eval_error::kOverflow);
        }
        return result;
    }

    void SkipBlanks() {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) {
            ++pos_;
        }
    }

    char Peek() {
        SkipBlanks();
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }

    bool Enter() {
        if (++depth_ > ExpressionEvaluator::kMaxNesting) {
            Fail(eval_error::kOutOfStackSpace);
        }
        return !stopped_;
    }

    double Expression() {
        double value = Term();
        while (!stopped_) {
            const char op = Peek();
            if (op != '+' && op != '-') {
                break;
            }
            ++pos_;
            const double right = Term();
            value = Checked(op == '+' ? value + right : value - right);
        }
        return value;
    }

    double Term() {
        double value = Unary();
        while (!stopped_) {
            const char op = Peek();
            if (op != '*' && op != '/') {
                break;
            }
            ++pos_;
            const double right = Unary();
            if (op == '*') {
                value = Checked(value * right);
            } else if (right == 0.0) {
                NoteArithmeticError(value == 0.0 ? eval_error::kOverflow
                                                 : eval_error::kDivisionByZero);
                value = 0.0;
            } else {
                value = Checked(value / right);
            }
        }
        return value;
    }

    double Unary() {
        const char sign = Peek();
        if (sign != '+' && sign != '-') {
            return Primary();
        }
        ++pos_;
        double value = 0.0;
        if (Enter()) {
            value = Unary();
        }
        --depth_;
        return sign == '-' ? -value : value;
    }

    double Primary() {
        const char c = Peek();
        if (c == '(') {
            ++pos_;
            double value = 0.0;
            if (Enter()) {
                value = Expression();
                if (!stopped_ && Peek() == ')') {
                    ++pos_;
                } else {
                    Fail(eval_error::kSyntaxError);
                }
            }
            --depth_;
            return value;
        }
        if (IsDigit(c) || c == '.') {
            return Number();
        }
        Fail(eval_error::kSyntaxError);
        return 0.0;
    }

    // digits [. digits] [E [sign] digits], with at least one mantissa digit.
    double Number() {
        const std::size_t start = pos_;
        int mantissaDigits = 0;
        while (pos_ < text_.size() && IsDigit(text_[pos_])) {
            ++pos_;
            ++mantissaDigits;
        }
        if (pos_ < text_.size() && text_[pos_] == '.') {
            ++pos_;
            while (pos_ < text_.size() && IsDigit(text_[pos_])) {
                ++pos_;
                ++mantissaDigits;
            }
        }
        if (mantissaDigits == 0) {
            Fail(eval_error::kSyntaxError);
            return 0.0;
        }
        if (pos_ < text_.size() && (text_[pos_] == 'E' || text_[pos_] == 'e')) {
            ++pos_;
            if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) {
                ++pos_;
            }
            if (pos_ >= text_.size() || !IsDigit(text_[pos_])) {
                Fail(eval_error::kSyntaxError);
                return 0.0;
            }
            while (pos_ < text_.size() && IsDigit(text_[pos_])) {
                ++pos_;
            }
        }
        const std::string_view literal = text_.substr(start, pos_ - start);
        double value = 0.0;
        const auto [end, ec] =
            std::from_chars(literal.data(), literal.data() + literal.size(), value);
        if (ec == std::errc::result_out_of_range) {
            if (DecimalExponent(literal) > 0) {
                NoteArithmeticError(eval_error::kOverflow);
            }
            return 0.0;
        }
        if (ec != std::errc() || end != literal.data() + literal.size()) {
            Fail(eval_error::kSyntaxError);
        }
        return value;
    }

    // The power of ten of the leading non-zero digit of a valid literal; tells an
    // out-of-range literal that is too large from one that is too small.
    static long DecimalExponent(std::string_view literal) {
        constexpr long kCap = 1'000'000;
        long exponent = 0;
        std::size_t i = 0;
        long intDigits = 0;
        long firstNonZero = -1;  // position counted from the first mantissa digit
        long position = 0;
        for (; i < literal.size() && (IsDigit(literal[i]) || literal[i] == '.'); ++i) {
            if (literal[i] == '.') {
                intDigits = position;
                continue;
            }
            if (firstNonZero < 0 && literal[i] != '0') {
                firstNonZero = position;
            }
            ++position;
        }
        if (literal.find('.') == std::string_view::npos) {
            intDigits = position;
        }
        if (i < literal.size()) {  // exponent part
            ++i;
            const bool negative = literal[i] == '-';
            if (literal[i] == '+' || literal[i] == '-') {
                ++i;
            }
            for (; i < literal.size() && exponent < kCap; ++i) {
                exponent = exponent * 10 + (literal[i] - '0');
            }
            exponent = negative ? -exponent : exponent;
        }
        return exponent + intDigits - firstNonZero - 1;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    int depth_ = 0;
    bool stopped_ = false;
    int stopError_ = 0;
    int arithmeticError_ = 0;
};

}  // namespace

EvalResult ExpressionEvaluator::Eval(std::string_view expression) {
    return Parser(expression).Run();
}

}  // namespace zelvo
