#pragma once

namespace zelvo {

// An outline rectangle drawn over other pictures.
struct Shape {
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
    bool Visible = true;
};

}  // namespace zelvo
