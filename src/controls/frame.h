#pragma once

#include <string>

namespace zelvo {

// A captioned group box; the controls inside it are positioned relative to it.
struct Frame {
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
    std::string Caption;
    bool Visible = true;
};

}  // namespace zelvo
