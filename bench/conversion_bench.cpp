#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "control/window_set.h"
#include "fake/fake_platform.h"
#include "session/length_query.h"

namespace zelvo {
namespace {

// One whole conversion: the text is typed, Enter is pressed, six boxes are formatted.
void BM_ConvertUnits(benchmark::State& state) {
    fake::FakePlatform fake;
    WindowSet windows{fake.platform};
    form1& bar = windows.bar;
    for (auto _ : state) {
        bar.text1[1].SetText("25.4");
        int enter = 13;
        bar.text1_KeyPress(1, enter);
        benchmark::DoNotOptimize(bar.text1[6].Text.data());
    }
}
BENCHMARK(BM_ConvertUnits);

void BM_ConvertExpression(benchmark::State& state) {
    fake::FakePlatform fake;
    WindowSet windows{fake.platform};
    form1& bar = windows.bar;
    for (auto _ : state) {
        bar.text1[0].SetText("10+5q");
        int enter = 13;
        bar.text1_KeyPress(0, enter);
        benchmark::DoNotOptimize(bar.text1[6].Text.data());
    }
}
BENCHMARK(BM_ConvertExpression);

// About a megabyte of "1+1+...+1", as if pasted into the expression box.
std::string PastedMegabyte() {
    constexpr std::size_t kOnes = std::size_t{1} << 19;
    std::string text(2 * kOnes - 1, '+');
    for (std::size_t i = 0; i < text.size(); i += 2) {
        text[i] = '1';
    }
    return text;
}

void BM_ConvertPastedMegabyte(benchmark::State& state) {
    fake::FakePlatform fake;
    WindowSet windows{fake.platform};
    form1& bar = windows.bar;
    const std::string pasted = PastedMegabyte();
    for (auto _ : state) {
        bar.text1[0].SetText(pasted);
        int enter = 13;
        bar.text1_KeyPress(0, enter);
        benchmark::DoNotOptimize(bar.text1[6].Text.data());
    }
    if (bar.text1[1].Text.empty()) {
        state.SkipWithError("the pasted expression was not converted");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(pasted.size()));
}
BENCHMARK(BM_ConvertPastedMegabyte)->Unit(benchmark::kMillisecond);

// What --convert and the search providers do with one term: read it as a length, then
// convert it without the bar.
void BM_ConvertLength(benchmark::State& state) {
    const ConversionChoice choice;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadsAsLength("10mm+5q"));
        benchmark::DoNotOptimize(ConvertLength("10mm+5q", choice));
    }
}
BENCHMARK(BM_ConvertLength);

void BM_Evaluate(benchmark::State& state) {
    ExpressionEvaluator evaluator;
    for (auto _ : state) {
        benchmark::DoNotOptimize(evaluator.Eval("(10)+(5*0.25)"));
    }
}
BENCHMARK(BM_Evaluate);

// The evaluator alone on what the expression box makes of the pasted megabyte:
// "(1)+(1)+...+(1)".
void BM_EvaluatePastedMegabyte(benchmark::State& state) {
    ExpressionEvaluator evaluator;
    std::string expression;
    for (const char c : PastedMegabyte()) {
        expression += c == '1' ? "(1)" : "+";
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(evaluator.Eval(expression));
    }
}
BENCHMARK(BM_EvaluatePastedMegabyte)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zelvo
