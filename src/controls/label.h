#pragma once

#include <string>

namespace zelvo {

struct Label {
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
    std::string Caption;
    bool Visible = true;
};

}  // namespace zelvo
