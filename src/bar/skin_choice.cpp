#include "bar/form1.h"
#include "bar/skin_roles.h"
#include "control/form2.h"

namespace zelvo {
namespace {

// No real skin folder is nested this deep, nor are there this many skins; the limits
// keep a tree of folder links from filling the list or stalling the start.
constexpr int kMaxSkinFolderDepth = 16;
constexpr int kMaxSkinEntries = 1000;

}  // namespace

void Form2::ListSkinFolders(const std::string& folderPath) {
    std::set<FolderId> seen;
    ListSkinFoldersOf(folderPath, seen);
}

void Form2::ListSkinFoldersOf(const std::string& folderPath, std::set<FolderId>& seen) {
    if (const auto identity = platform_.folders.Identify(folderPath)) {
        if (!seen.insert(*identity).second) {
            return;
        }
    }
    ListSkinFoldersBelow(folderPath, 0, seen);
}

// A skin name stands for the folder of that name directly under the first folder of
// skins that has one; a name none has gives a folder that does not exist.
std::string Form2::SkinFolderNamed(const std::string& name) const {
    const std::vector<std::string> folders = platform_.paths.SkinFolders();
    for (const std::string& skins : folders) {
        const std::string folder = SkinFolder(skins, name);
        if (!name.empty() && platform_.folders.Identify(folder)) {
            return folder;
        }
    }
    return SkinFolder(folders.empty() ? std::string() : folders.front(), name);
}

// Each real folder is listed once: a link to a folder listed already (or to one of
// the folders above it) is passed over, and so is a name the list holds already.
void Form2::ListSkinFoldersBelow(const std::string& folderPath, int depth,
                                 std::set<FolderId>& seen) {
    if (depth >= kMaxSkinFolderDepth) {
        return;
    }
    for (const std::string& name : platform_.folders.SubFolders(folderPath)) {
        std::string subFolder = folderPath;
        subFolder.append("/").append(name);
        const auto identity = platform_.folders.Identify(subFolder);
        if ((identity && !seen.insert(*identity).second) || Combo1.IndexOf(name) >= 0) {
            continue;
        }
        if (Combo1.ListCount() >= kMaxSkinEntries) {
            return;
        }
        Combo1.AddItem(name);
        ListSkinFoldersBelow(subFolder, depth + 1, seen);
    }
}

void Form2::Command1_Click() {
    const std::string folder = SkinFolderNamed(Combo1.SelectedItem());
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
    bar_.skin_settings(SkinFolderNamed(name));
    Command1_Click();
    ApplySkinImages(bar_, *this);
}

}  // namespace zelvo
