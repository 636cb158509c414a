#pragma once

#include <string>

namespace zelvo {

struct CommandButton {
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
    std::string Caption;
};

}  // namespace zelvo
