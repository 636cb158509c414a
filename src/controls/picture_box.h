#pragma once

namespace zelvo {

// A plain container that other controls or pictures are placed in.
struct PictureBox {
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
};

}  // namespace zelvo
