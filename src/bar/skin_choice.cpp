#include "bar/form1.h"
#include "bar/skin_roles.h"
#include "control/form2.h"

namespace zelvo {
namespace {

// Folder links can form loops; no real skin folder is nested this deep.
constexpr int kMaxSkinFolderDepth = 16;

}  // namespace

void Form2::ListSkinFolders(const std::string& folderPath) {
    ListSkinFoldersBelow(folderPath, 0);
}

void Form2::ListSkinFoldersBelow(const std::string& folderPath, int depth) {
    if (depth >= kMaxSkinFolderDepth) {
        return;
    }
    for (const std::string& name : platform_.folders.SubFolders(folderPath)) {
        Combo1.AddItem(name);
        std::string subFolder = folderPath;
        subFolder.append("/").append(name);
        ListSkinFoldersBelow(subFolder, depth + 1);
    }
}

void Form2::Command1_Click() {
    const std::string folder = SkinFolder(platform_.folders.ProgramFolder(), Combo1.SelectedItem());
    const float tppX = platform_.toolkit.TwipsPerPixelX();
    const float tppY = platform_.toolkit.TwipsPerPixelY();
    for (int i = 0; i < static_cast<int>(Image1.size()); ++i) {
        if (PictureRef picture = platform_.toolkit.LoadPicture(SkinFile(folder, i + 1))) {
            PutPicture(Image1.at(static_cast<std::size_t>(i)), std::move(picture), tppX, tppY);
        }
    }
}

void Form2::Command2_Click() {
    const std::string name = Combo1.SelectedItem();
    Label2.Caption = name;
    bar_.skin_settings(SkinFolder(platform_.folders.ProgramFolder(), name));
    Command1_Click();
    ApplySkinImages(bar_, *this);
}

}  // namespace zelvo
