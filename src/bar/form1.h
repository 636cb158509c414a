#pragma once

#include <array>
#include <string>
#include <vector>

#include "bar/bar_metrics.h"
#include "controls/frame.h"
#include "controls/image.h"
#include "controls/image_list.h"
#include "controls/shape.h"
#include "controls/text_box.h"
#include "conversion/unit_conversion.h"
#include "conversion/unit_table.h"
#include "platform/menu.h"
#include "platform/platform.h"

namespace zelvo {

class Form2;

inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;

// The topmost mode the next ToggleTopmost applies: 1 topmost, 0 normal. After each
// ToggleTopmost it holds the opposite of the mode just applied.
struct fm1_modal {
    int PendingTopmost = 1;
};

// The converter bar: a frameless strip of pictures around the seven unit boxes.
// Geometry in twips; the window's own rectangle is in screen twips. Mouse handlers
// get the button (1 left, 2 right) or the buttons held, the shift state, and the
// pointer in twips relative to the picture.
class form1 {
  public:
    form1(Platform& platform, Form2& dialog);

    Platform& platform() const { return platform_; }

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

    // Below the strip and never seen: the conversion and its work fields, and Text4,
    // which reports the code of each key typed into it.
    Frame Frame5;
    UnitConversion conversion;
    TextBox Text4;

    // The pop-up menu of the title picture.
    std::vector<MenuItem> pulldown1;

    fm1_modal topmostMode;

    // Title drag: the pointer's last position in screen pixels.
    PixelPoint LastDragPoint;

    // Separator and right-end drags: -1 while active, 0 otherwise; the marker's
    // limits in whole twips.
    int BorderDragging = 0;
    int BorderMinLeft = 0;
    int BorderMaxLeft = 0;
    int BottomDragging = 0;

    // The unit box that had the focus last (the bar's active control), or -1.
    int ActiveControl = -1;

    // Creating the bar: the control window's start-up runs first, then the bar loads
    // the selected skin's pictures.
    void Form_Load();
    // Unloading the bar writes the settings; a failure is reported to the user.
    void Form_Unload();
    // Writes setting.ini to `SavePath`; false when it could not be written.
    bool KankyouOutPut(const std::string& SavePath);
    // Loads the ten pictures of a skin folder (path ending in "/") into ImageList1;
    // a picture that does not load leaves its slot as it was.
    void skin_settings(const std::string& folderPath);
    // Puts a picture into one of the bar's images at the screen's twips per pixel.
    void ShowPicture(Image& image, PictureRef picture);

    void text1_GotFocus(int index);
    // The menu key (or Shift+F10) in a unit box: the bar's menu, as a right click on
    // the title opens it.
    void text1_MenuKey(int index);
    // A character typed into box `index`; sets keyAscii to 0 to discard it.
    void text1_KeyPress(int index, int& keyAscii);
    void Text4_KeyPress(int& keyAscii);
    void ConvertUnits(int sourceIndex);

    void topimg_MouseDown(int button, int shift, float x, float y);
    void topimg_MouseMove(int buttons, int shift, float x, float y);
    void topimg_DblClick();

    void BorderImg_MouseDown(int index, int button, int shift, float x, float y);
    void BorderImg_MouseMove(int index, int buttons, int shift, float x, float y);
    void BorderImg_MouseUp(int index, int button, int shift, float x, float y);
    void BottomImg_MouseDown(int button, int shift, float x, float y);
    void BottomImg_MouseMove(int buttons, int shift, float x, float y);
    void BottomImg_MouseUp(int button, int shift, float x, float y);

    void pulldown1_taskbar_Click();
    void pulldown1_haba_saidaika_Click();
    void pulldown1_haba_touhaba_Click();
    void pulldown1_kankyosettei_Click();
    void pulldown1_end_Click();

  private:
    PixelPoint ScreenPointOf(float x, float y) const;
    void FitToScreen();
    void RunPulldown1(const std::string& choice);

    void SelectAllText(int index);
    void ClearOtherBoxes(int index);

    Platform& platform_;
    Form2& dialog_;
};

// Puts the pictures of the bar's picture list on the bar: the title picture of the
// current topmost mode, the separators, the right end and the stretched background.
void ApplySkinImages(form1& bar, const Form2& dialog);

// Applies topmostMode.PendingTopmost to the bar (keep-above or normal, and shown),
// mirrors it in Check2 and the title picture, and arms the opposite mode.
void ToggleTopmost(form1& bar, Form2& dialog);

// Gives every unit box the width `width` and lines the strip up from the title
// picture; the window becomes as wide as the strip and as high as the background
// plus 30 twips.
void LayoutBar(form1& bar, int width);

}  // namespace zelvo
