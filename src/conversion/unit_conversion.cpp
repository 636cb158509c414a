#include "conversion/unit_conversion.h"

#include <exception>

#include "conversion/decimal_format.h"
#include "conversion/notices.h"
#include "conversion/text_replace.h"
#include "platform/eval/number_text.h"

namespace zelvo {
namespace {

// The expression box gives every operand its own parentheses, so that a unit letter
// applies to the number it follows and to nothing else: 10+5q becomes (10)+(5q).
std::string ParenthesiseOperands(std::string_view text) {
    std::string expression(text);
    for (const std::string_view op : {"*", "+", "-", "/"}) {
        std::string replacement(")");
        replacement.append(op).append("(");
        expression = ReplaceAll(expression, op, replacement);
    }
    return "(" + expression + ")";
}

}  // namespace

bool UnitConversion::ConvertUnits(int sourceIndex,
                                  const std::array<std::string, kUnitBoxCount>& boxes,
                                  int densityIndex, const std::string& customDensity) {
    if (EnteredText.empty()) {
        messages_.MessageBox(notice::kEnterNumber, MessageIcon::None);
        return false;
    }
    try {
        return Convert(sourceIndex, boxes, densityIndex, customDensity);
    } catch (const std::exception&) {
        ShowEvaluationError(0);
        return false;
    }
}

bool UnitConversion::Convert(int sourceIndex, const std::array<std::string, kUnitBoxCount>& boxes,
                             int densityIndex, const std::string& customDensity) {
    std::string expression;
    if (sourceIndex != kExpressionBox) {
        for (int i = 0; i < kUnitBoxCount; ++i) {
            if (!boxes.at(i).empty()) {
                expression = boxes.at(i) + std::string(UnitLetters.at(i));
            }
        }
    } else {
        expression = ParenthesiseOperands(boxes.at(kExpressionBox));
    }
    if (expression.empty()) {
        messages_.MessageBox(notice::kNoNumber, MessageIcon::Information);
        return false;
    }

    text11 = AsciiUpper(expression);
    for (const LetterFactor& unit : kLetterFactorsToMm) {
        text11 = ReplaceAll(text11, unit.letter, unit.toMm);
    }
    if (densityIndex != kDensityNone) {
        text11 = ReplaceAll(text11, kPixelLetter, PixelToMmFactor(densityIndex, customDensity));
    }
    const auto suffixes = FromMmSuffixes(densityIndex, customDensity);

    const EvalResult millimetres = evaluator_.Eval(text11);
    if (!millimetres.ok()) {
        ShowEvaluationError(millimetres.error);
        return false;
    }
    Text3 = RenderNumber(millimetres.value);
    for (int i = 1; i < kUnitBoxCount; ++i) {
        const EvalResult unit = evaluator_.Eval(Text3 + suffixes.at(i));
        if (!unit.ok()) {
            ShowEvaluationError(unit.error);
            return false;
        }
        text2.at(i) = RenderNumber(unit.value);
    }
    if (sourceIndex != kExpressionBox) {
        text2.at(sourceIndex) = EnteredText;
    }
    return true;
}

std::string UnitConversion::FormattedResult(int index, int decimals) const {
    return FormatDecimals(text2.at(index), decimals);
}

void UnitConversion::ClearResults() {
    for (int i = 1; i < kUnitBoxCount; ++i) {
        text2.at(i).clear();
    }
}

void UnitConversion::ShowEvaluationError(int errorNumber) {
    const bool malformed =
        errorNumber == eval_error::kSyntaxError || errorNumber == eval_error::kExpectedIdentifier;
    messages_.MessageBox(malformed ? notice::kMalformedExpression : notice::kUnknownError,
                         MessageIcon::None);
}

}  // namespace zelvo
