#pragma once

#include <array>
#include <string>

#include "controls/frame.h"
#include "controls/image.h"
#include "controls/image_list.h"
#include "controls/shape.h"
#include "controls/text_box.h"
#include "conversion/unit_table.h"
#include "platform/platform.h"

namespace zelvo {

class Form2;

inline constexpr int kSeparatorCount = 6;

// The converter bar: a frameless strip of pictures around the seven unit boxes.
// Geometry in twips; the window's own rectangle is in screen twips.
class form1 {
  public:
    form1(Platform& platform, Form2& dialog);

    // The window.
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
    bool Visible = false;

    // The strip, left to right: topimg, text1(0), BorderImg(0), ..., text1(6),
    // BottomImg; Image2 lies behind the boxes, BBox is the separator drag marker.
    Image topimg;
    std::array<TextBox, kUnitBoxCount> text1;
    std::array<Image, kSeparatorCount> BorderImg;
    Image BottomImg;
    Image Image2;
    Shape BBox;

    // The pictures of the current skin, slots 1 to 10 in the order of kSkinRoles.
    ImageList<10> ImageList1;

    // Work fields, below the strip and never seen. text2(1) to text2(6) hold the
    // unrounded result of each unit (index 0 is unused); text11 the last expression
    // to millimetres; Text3 the last length in millimetres; EnteredText the text
    // Enter was pressed on; Text4 reports the code of each key typed into it.
    Frame Frame5;
    std::array<std::string, kUnitBoxCount> text2;
    std::string text11;
    std::string Text3;
    std::string EnteredText;
    TextBox Text4;

    void Form_Load();
    // Loads the ten pictures of a skin folder (path ending in "/") into ImageList1;
    // a picture that does not load leaves its slot as it was.
    void skin_settings(const std::string& folderPath);
    // Puts a picture into one of the bar's images at the screen's twips per pixel.
    void ShowPicture(Image& image, PictureRef picture);

    void text1_GotFocus(int index);
    // A character typed into box `index`; sets keyAscii to 0 to discard it.
    void text1_KeyPress(int index, int& keyAscii);
    void Text4_KeyPress(int& keyAscii);
    void ConvertUnits(int sourceIndex);

  private:
    void SelectAllText(int index);
    void ClearOtherBoxes(int index);
    void ShowEvaluationError(int errorNumber);

    Platform& platform_;
    Form2& dialog_;
};

// Puts the pictures of the bar's picture list on the bar: the title picture of the
// current topmost mode, the separators, the right end and the stretched background.
void ApplySkinImages(form1& bar, const Form2& dialog);

}  // namespace zelvo
