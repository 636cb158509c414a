#include "session/length_query.h"
#include "session/length_terms.h"

namespace zelvo {

// Reads the parts left to right, with the nesting of parentheses as a count: an
// operand is a number with at most one unit right after it, or a parenthesised
// expression, and operands are joined by operators.
bool ReadsAsLength(std::string_view term) {
    int depth = 0;
    int units = 0;
    bool operandNext = true;
    bool afterNumber = false;
    for (const TermToken& token : ReadTerm(term)) {
        if (token.part == TermPart::Blank) {
            continue;
        }
        if (operandNext) {
            if (token.part == TermPart::Open) {
                ++depth;
            } else if (token.part == TermPart::Number && IsWellFormedNumber(token.text)) {
                operandNext = false;
                afterNumber = true;
            } else {
                return false;
            }
            continue;
        }
        if (token.part == TermPart::Unit && afterNumber) {
            ++units;
        } else if (token.part == TermPart::Operator) {
            operandNext = true;
        } else if (token.part == TermPart::Close && depth > 0) {
            --depth;
        } else {
            return false;
        }
        afterNumber = false;
    }
    return !operandNext && depth == 0 && units > 0;
}

}  // namespace zelvo
