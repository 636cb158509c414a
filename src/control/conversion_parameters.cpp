#include "bar/bar_conversion.h"
#include "control/form2.h"
#include "conversion/decimal_format.h"
#include "conversion/unit_table.h"

namespace zelvo {

void Form2::SetOption1(int index, bool value) {
    if (!value) {
        Option1.at(index).Value = false;
        return;
    }
    for (std::size_t i = 0; i < Option1.size(); ++i) {
        Option1.at(i).Value = static_cast<int>(i) == index;
    }
    Option1_Click(index);
}

int Form2::DensityIndex() const {
    for (std::size_t i = 0; i < Option1.size(); ++i) {
        if (Option1.at(i).Value) {
            return static_cast<int>(i);
        }
    }
    return kDensityNone;
}

void Form2::Option1_Click(int index) {
    Text5.Enabled = index == kDensityCustom;
}

void Form2::Text5_KeyPress(int& keyAscii) {
    const bool accepted =
        keyAscii == 8 || keyAscii == 13 || keyAscii == '.' || (keyAscii >= '0' && keyAscii <= '9');
    if (!accepted) {
        platform_.toolkit.Beep();
        keyAscii = 0;
    }
}

void Form2::UpDown1_UpClick() {
    ShowDecimals();
}

void Form2::UpDown1_DownClick() {
    ShowDecimals();
}

void Form2::FormatDecimalsSample() {
    Label5.Caption = FormatDecimals(Label5.Caption, UpDown1.Value);
}

void Form2::ShowDecimals() {
    FormatDecimalsSample();
    FormatResults(bar_, *this);
}

}  // namespace zelvo
