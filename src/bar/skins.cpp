#include "bar/form1.h"
#include "bar/skin_roles.h"
#include "control/form2.h"

namespace zelvo {

void form1::skin_settings(const std::string& folderPath) {
    for (int slot = 1; slot <= ImageList1.kCount; ++slot) {
        if (PictureRef picture = platform_.toolkit.LoadPicture(SkinFile(folderPath, slot))) {
            ImageList1.Slot(slot) = std::move(picture);
        }
    }
}

void form1::ShowPicture(Image& image, PictureRef picture) {
    PutPicture(image, std::move(picture), platform_.toolkit.TwipsPerPixelX(),
               platform_.toolkit.TwipsPerPixelY());
}

void ApplySkinImages(form1& bar, const Form2& dialog) {
    if (dialog.Check2.Value == 0) {
        bar.ShowPicture(bar.topimg, bar.ImageList1.Slot(kSlotTitleNormal));
    } else if (dialog.Check2.Value == 1) {
        bar.ShowPicture(bar.topimg, bar.ImageList1.Slot(kSlotTitleTopmost));
    }
    bar.ShowPicture(bar.BottomImg, bar.ImageList1.Slot(kSlotRightEnd));
    bar.ShowPicture(bar.Image2, bar.ImageList1.Slot(kSlotBackground));
    for (int i = 0; i < kSeparatorCount; ++i) {
        bar.ShowPicture(bar.BorderImg.at(i), bar.ImageList1.Slot(kSlotFirstSeparator + i));
    }
}

}  // namespace zelvo
