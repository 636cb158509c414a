#pragma once

#include <string>
#include <vector>

#include "platform/eval/expression_evaluator.h"
#include "platform/platform.h"
#include "platform/toolkit.h"

namespace zelvo::fake {

struct ShownMessage {
    std::string prompt;
    MessageIcon icon;
};

// Records every message box and beep instead of showing it.
class FakeToolkit : public Toolkit {
  public:
    void MessageBox(std::string_view prompt, MessageIcon icon) override {
        messages.push_back({std::string(prompt), icon});
    }
    void Beep() override { ++beeps; }

    std::vector<ShownMessage> messages;
    int beeps = 0;
};

// A headless platform: the real evaluator, a recording toolkit.
struct FakePlatform {
    ExpressionEvaluator evaluator;
    FakeToolkit toolkit;
    Platform platform{evaluator, toolkit};
};

}  // namespace zelvo::fake
