#include "session/length_query.h"

#include "conversion/unit_conversion.h"
#include "platform/eval/expression_evaluator.h"
#include "session/length_terms.h"

namespace zelvo {
namespace {

// Keeps the text of the notice the conversion would show on the bar.
class KeptNotice final : public MessageBoxes {
  public:
    void MessageBox(std::string_view prompt, MessageIcon /*icon*/) override {
        text = std::string(prompt);
    }

    std::string text;
};

}  // namespace

LengthAnswer ConvertLength(std::string_view text, const ConversionChoice& choice) {
    const std::vector<TermToken> tokens = ReadTerm(text);
    LengthAnswer answer;
    answer.typedBox = SingleUnitTyped(tokens);

    std::array<std::string, kUnitBoxCount> boxes{};
    boxes.at(kExpressionBox) = ExpressionBoxText(tokens);
    ExpressionEvaluator evaluator;
    KeptNotice notice;
    UnitConversion conversion(evaluator, notice);
    conversion.EnteredText = boxes.at(kExpressionBox);
    if (!conversion.ConvertUnits(kExpressionBox, boxes, choice.densityIndex,
                                 choice.customDensity)) {
        answer.message = notice.text;
        return answer;
    }
    for (int box = 1; box < kUnitBoxCount; ++box) {
        answer.results.push_back({box, conversion.FormattedResult(box, choice.decimals),
                                  std::string(kUnitSymbols.at(box))});
    }
    return answer;
}

}  // namespace zelvo
