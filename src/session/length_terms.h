#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zelvo {

// The parts a length term is read into.
enum class TermPart { Number, Unit, Operator, Open, Close, Blank, Other };

struct TermToken {
    TermPart part = TermPart::Other;
    std::string text;  // as read, full-width forms already made ASCII
    int box = 0;       // for a unit: its unit box, 1 (mm) to 6 (twip)
};

// Reads a term typed for a conversion. Full-width ASCII forms and the ideographic
// space count as their ASCII characters. A run of letters that is a unit word (mm,
// pt, point, inch, px, twip, ... in any letter case) or one unit letter of the
// expression box (M, Q, P, I, E, T) is a unit, as are the inch mark " and the
// Japanese unit names (ミリ, 級, ポイント, インチ, ピクセル, ツイップ, ...). A run of digits
// and points is a number, whether or not it is a well-formed one; any other run of
// letters, and any other character, is Other.
std::vector<TermToken> ReadTerm(std::string_view term);

// The text for the expression box: each unit as its unit letter, everything else as
// it was read, without blanks at either end.
std::string ExpressionBoxText(const std::vector<TermToken>& tokens);

// Digits with at most one decimal point: 12, 12.5, .5, 12.
bool IsWellFormedNumber(std::string_view text);

// The unit box of a term that is one well-formed number and one unit (blanks aside),
// such as 12q or "1 inch"; 0 for any other term.
int SingleUnitTyped(const std::vector<TermToken>& tokens);

}  // namespace zelvo
