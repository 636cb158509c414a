// The evaluator on any text: no crash; a success is finite and never -0; its
// rendering evaluates again to the same rendering; blanks around change nothing.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/eval/expression_evaluator.h"
#include "platform/eval/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    zelvo::ExpressionEvaluator evaluator;
    const zelvo::EvalResult result = evaluator.Eval(text);
    const zelvo::EvalResult padded = evaluator.Eval("  " + text + " ");
    if (padded.error != result.error || (result.ok() && padded.value != result.value)) {
        std::abort();
    }
    if (!result.ok()) {
        return 0;
    }
    if (!std::isfinite(result.value) || (result.value == 0 && std::signbit(result.value))) {
        std::abort();
    }
    const std::string rendered = zelvo::RenderNumber(result.value);
    const zelvo::EvalResult again = evaluator.Eval(rendered);
    if (!again.ok() || zelvo::RenderNumber(again.value) != rendered) {
        std::abort();
    }
    return 0;
}
