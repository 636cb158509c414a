#pragma once

#include <string>

namespace zelvo {

struct OptionButton {
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
    std::string Caption;
    bool Value = false;
    bool Enabled = true;
};

}  // namespace zelvo
