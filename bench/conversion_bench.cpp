#include <benchmark/benchmark.h>

#include "control/window_set.h"
#include "fake/fake_platform.h"

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

void BM_Evaluate(benchmark::State& state) {
    ExpressionEvaluator evaluator;
    for (auto _ : state) {
        benchmark::DoNotOptimize(evaluator.Eval("(10)+(5*0.25)"));
    }
}
BENCHMARK(BM_Evaluate);

}  // namespace
}  // namespace zelvo
