#pragma once

namespace zelvo {

// An up/down spinner: arrows change Value by one and stop at the ends.
struct UpDown {
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
    int Min = 0;
    int Max = 10;
    int Value = 0;

    void StepUp() {
        if (Value < Max) {
            ++Value;
        }
    }
    void StepDown() {
        if (Value > Min) {
            --Value;
        }
    }
};

}  // namespace zelvo
