#pragma once

#include <string>

namespace zelvo {

struct CheckBox {
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
    std::string Caption;
    int Value = 0;  // 0 cleared, 1 checked
};

}  // namespace zelvo
