#include <exception>
#include <optional>

#include "bar/form1.h"
#include "control/form2.h"
#include "conversion/format_results.h"
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

void form1::ConvertUnits(int sourceIndex) {
    if (EnteredText.empty()) {
        platform_.toolkit.MessageBox(notice::kEnterNumber, MessageIcon::None);
        return;
    }
    try {
        std::string expression;
        if (sourceIndex != kExpressionBox) {
            for (int i = 0; i < kUnitBoxCount; ++i) {
                if (!text1.at(i).Text.empty()) {
                    expression = text1.at(i).Text + std::string(UnitLetters.at(i));
                }
            }
        } else {
            expression = ParenthesiseOperands(text1.at(kExpressionBox).Text);
        }
        if (expression.empty()) {
            platform_.toolkit.MessageBox(notice::kNoNumber, MessageIcon::Information);
            return;
        }

        text11 = AsciiUpper(expression);
        for (const LetterFactor& unit : kLetterFactorsToMm) {
            text11 = ReplaceAll(text11, unit.letter, unit.toMm);
        }
        if (dialog_.DensityIndex() != kDensityNone) {
            text11 = ReplaceAll(text11, kPixelLetter,
                                PixelToMmFactor(dialog_.DensityIndex(), dialog_.Text5.Text));
        }
        const auto suffixes = FromMmSuffixes(dialog_.DensityIndex(), dialog_.Text5.Text);

        Evaluator& evaluator = platform_.evaluator;
        const EvalResult millimetres = evaluator.Eval(text11);
        if (!millimetres.ok()) {
            ShowEvaluationError(millimetres.error);
            return;
        }
        Text3 = RenderNumber(millimetres.value);
        for (int i = 1; i < kUnitBoxCount; ++i) {
            const EvalResult unit = evaluator.Eval(Text3 + suffixes.at(i));
            if (!unit.ok()) {
                ShowEvaluationError(unit.error);
                return;
            }
            text2.at(i) = RenderNumber(unit.value);
        }
        if (sourceIndex != kExpressionBox) {
            text2.at(sourceIndex) = EnteredText;
        }
        FormatResults(*this, dialog_);
    } catch (const std::exception&) {
        ShowEvaluationError(0);
    }
}

void form1::ShowEvaluationError(int errorNumber) {
    const bool malformed =
        errorNumber == eval_error::kSyntaxError || errorNumber == eval_error::kExpectedIdentifier;
    platform_.toolkit.MessageBox(malformed ? notice::kMalformedExpression : notice::kUnknownError,
                                 MessageIcon::None);
}

}  // namespace zelvo
