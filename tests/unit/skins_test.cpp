#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "bar/skin_roles.h"
#include "control/window_set.h"
#include "fake/fake_platform.h"
#include "fake/gif_files.h"

namespace zelvo {
namespace {

class SkinsTest : public ::testing::Test {
  protected:
    SkinsTest() { fake.paths.programFolder = folder.path(); }

    void ListAndSelect(const std::string& name) {
        dialog.Combo1.Clear();
        dialog.ListSkinFolders(folder.path() + "/skin");
        for (int i = 0; i < dialog.Combo1.ListCount(); ++i) {
            if (dialog.Combo1.List.at(static_cast<std::size_t>(i)) == name) {
                dialog.Combo1.ListIndex = i;
            }
        }
    }
    std::string FileOf(const std::string& skin, int slot) const {
        return folder.SkinFile(skin, slot).string();
    }
    static std::string Origin(const PictureRef& picture) {
        return picture ? picture->origin : "(none)";
    }
    static std::string Builtin(int slot) {
        return "builtin:" + std::string(kSkinRoles.at(static_cast<std::size_t>(slot - 1)));
    }

    fake::ProgramFolder folder;
    fake::FakePlatform fake;
    WindowSet windows{fake.platform};
    form1& bar = windows.bar;
    Form2& dialog = windows.dialog;
};

TEST_F(SkinsTest, PictureListStartsWithTheBuiltInPicturesAndTheBarEmpty) {
    for (int slot = 1; slot <= 10; ++slot) {
        EXPECT_EQ(Origin(bar.ImageList1.Slot(slot)), Builtin(slot));
    }
    EXPECT_EQ(bar.ImageList1.Slot(kSlotRightEnd)->width, 34);
    EXPECT_EQ(bar.topimg.Picture, nullptr);
    EXPECT_EQ(bar.BorderImg[0].Picture, nullptr);
}

TEST_F(SkinsTest, ApplyingAWholeSkinFillsEverySlotAndImage) {
    folder.WriteSkin("blue");
    ListAndSelect("blue");
    dialog.Command2_Click();

    EXPECT_EQ(dialog.Label2.Caption, "blue");
    for (int slot = 1; slot <= 10; ++slot) {
        EXPECT_EQ(Origin(bar.ImageList1.Slot(slot)), FileOf("blue", slot));
    }
    EXPECT_EQ(Origin(bar.topimg.Picture), FileOf("blue", kSlotTitleNormal));
    for (int i = 0; i < kSeparatorCount; ++i) {
        EXPECT_EQ(Origin(bar.BorderImg.at(i).Picture), FileOf("blue", i + 3));
    }
    EXPECT_EQ(Origin(bar.BottomImg.Picture), FileOf("blue", kSlotRightEnd));
    EXPECT_EQ(Origin(bar.Image2.Picture), FileOf("blue", kSlotBackground));
    EXPECT_EQ(bar.Image2.Width, 11685);  // stretched: keeps its size
    EXPECT_EQ(bar.BottomImg.Width, 510);
    EXPECT_EQ(bar.topimg.Width, 390);
    EXPECT_EQ(bar.topimg.Height, 495);
}

TEST_F(SkinsTest, AMissingFileKeepsThatSlotsPicture) {
    folder.WriteSkin("blue");
    folder.WriteSkin("red");
    std::filesystem::remove(folder.SkinFile("red", 4));  // mm
    ListAndSelect("blue");
    dialog.Command2_Click();
    ListAndSelect("red");
    dialog.Command2_Click();

    EXPECT_EQ(Origin(bar.ImageList1.Slot(4)), FileOf("blue", 4));
    EXPECT_EQ(Origin(bar.BorderImg[1].Picture), FileOf("blue", 4));
    EXPECT_EQ(Origin(bar.ImageList1.Slot(5)), FileOf("red", 5));
    EXPECT_EQ(Origin(bar.ImageList1.Slot(10)), FileOf("red", 10));
}

TEST_F(SkinsTest, AMissingTitlePictureKeepsTheBuiltInOne) {
    folder.WriteSkin("red");
    std::filesystem::remove(folder.SkinFile("red", kSlotTitleNormal));
    ListAndSelect("red");
    dialog.Command2_Click();

    EXPECT_EQ(Origin(bar.ImageList1.Slot(1)), Builtin(1));
    for (int slot = 2; slot <= 10; ++slot) {
        EXPECT_EQ(Origin(bar.ImageList1.Slot(slot)), FileOf("red", slot));
    }
}

TEST_F(SkinsTest, AFileThatIsNotAPictureFailsOnlyItsOwnLoad) {
    folder.WriteSkin("red");
    std::ofstream(folder.SkinFile("red", 6)) << "not a picture";
    ListAndSelect("red");
    dialog.Command2_Click();

    EXPECT_EQ(Origin(bar.ImageList1.Slot(6)), Builtin(6));
    EXPECT_EQ(Origin(bar.ImageList1.Slot(7)), FileOf("red", 7));
    EXPECT_TRUE(fake.toolkit.messages.empty());
}

TEST_F(SkinsTest, TitlePictureFollowsTheTopmostCheckBox) {
    folder.WriteSkin("blue");
    ListAndSelect("blue");
    dialog.Check2.Value = 1;
    dialog.Command2_Click();
    EXPECT_EQ(Origin(bar.topimg.Picture), FileOf("blue", kSlotTitleTopmost));

    dialog.Check2.Value = 0;
    ApplySkinImages(bar, dialog);
    EXPECT_EQ(Origin(bar.topimg.Picture), FileOf("blue", kSlotTitleNormal));

    dialog.Check2.Value = 2;
    bar.topimg.Picture = nullptr;
    ApplySkinImages(bar, dialog);
    EXPECT_EQ(bar.topimg.Picture, nullptr);
}

TEST_F(SkinsTest, ApplyingWithoutSelectionEmptiesTheNameAndKeepsThePictures) {
    folder.WriteSkin("blue");
    ListAndSelect("blue");
    dialog.Command2_Click();
    dialog.Combo1.ListIndex = -1;
    dialog.Command2_Click();

    EXPECT_EQ(dialog.Label2.Caption, "");
    EXPECT_EQ(Origin(bar.BorderImg[2].Picture), FileOf("blue", 5));
}

TEST_F(SkinsTest, WiderSeparatorPicturesWidenTheSeparatorsInPlace) {
    folder.WriteSkin("wide", 30);
    ListAndSelect("wide");
    dialog.Command2_Click();
    for (int i = 0; i < kSeparatorCount; ++i) {
        EXPECT_EQ(bar.BorderImg.at(i).Width, 450);
        EXPECT_EQ(bar.BorderImg.at(i).Left, 1725 + 1725 * i);
    }
    EXPECT_EQ(bar.text1[1].Left, 2115);  // nothing moves the boxes
}

TEST_F(SkinsTest, ListsFolderNamesDepthFirst) {
    folder.WriteSkin("a_skin");
    std::filesystem::create_directories(folder.SkinFolder("a_skin") / "nested");
    std::filesystem::create_directories(folder.SkinFolder("b_skin"));
    std::ofstream(folder.SkinFolder("") / "loose.gif") << "x";

    dialog.ListSkinFolders(folder.path() + "/skin");
    EXPECT_EQ(dialog.Combo1.List, (std::vector<std::string>{"a_skin", "nested", "b_skin"}));
}

TEST_F(SkinsTest, EmptyOrMissingSkinFolderListsNothing) {
    dialog.ListSkinFolders(folder.path() + "/skin");
    EXPECT_EQ(dialog.Combo1.ListCount(), 0);
    dialog.ListSkinFolders(folder.path() + "/no-such-folder");
    EXPECT_EQ(dialog.Combo1.ListCount(), 0);
}

TEST_F(SkinsTest, FolderLinksListEachRealFolderOnce) {
    std::filesystem::create_directories(folder.SkinFolder("loop"));
    std::error_code linkError;
    std::filesystem::create_directory_symlink(folder.SkinFolder("loop"),
                                              folder.SkinFolder("loop") / "again", linkError);
    if (linkError) {
        GTEST_SKIP() << "folder links cannot be made here: " << linkError.message();
    }
    std::filesystem::create_directories(folder.SkinFolder("real"));
    std::filesystem::create_directory_symlink(folder.SkinFolder("real"),
                                              folder.SkinFolder("x_link"));
    for (const char* name : {"back1", "back2", "back3"}) {  // three links to skin/ itself
        std::filesystem::create_directory_symlink(folder.SkinFolder(""), folder.SkinFolder(name));
    }
    dialog.ListSkinFolders(folder.path() + "/skin");
    EXPECT_EQ(dialog.Combo1.List, (std::vector<std::string>{"loop", "real"}));
}

TEST_F(SkinsTest, TheListStopsAtAThousandSkins) {
    for (int i = 0; i < 1005; ++i) {
        std::filesystem::create_directories(folder.SkinFolder("s" + std::to_string(10000 + i)));
    }
    dialog.ListSkinFolders(folder.path() + "/skin");
    EXPECT_EQ(dialog.Combo1.ListCount(), 1000);
    EXPECT_EQ(dialog.Combo1.List.back(), "s10999");
}

TEST_F(SkinsTest, PreviewShowsTheSelectedSkinAndKeepsPicturesThatFail) {
    folder.WriteSkin("blue");
    folder.WriteSkin("red");
    std::filesystem::remove(folder.SkinFile("red", 3));
    ListAndSelect("blue");
    dialog.Command1_Click();
    ListAndSelect("red");
    dialog.Command1_Click();

    EXPECT_EQ(Origin(dialog.Image1[2].Picture), FileOf("blue", 3));
    EXPECT_EQ(Origin(dialog.Image1[3].Picture), FileOf("red", 4));
    EXPECT_EQ(Origin(dialog.Image1[9].Picture), FileOf("red", 10));
    EXPECT_EQ(dialog.Image1[9].Width, 4455);
    EXPECT_EQ(dialog.Image1[8].Width, 510);
    EXPECT_EQ(Origin(bar.topimg.Picture), "(none)");  // previews leave the bar alone
}

TEST_F(SkinsTest, LoadHandlerLoadsTheSelectedSkinIntoTheListOnly) {
    dialog.Form_Load();  // start-up with no skins: nothing selected
    folder.WriteSkin("blue");
    ListAndSelect("blue");
    bar.ImageList1.Slot(3) = nullptr;
    bar.BorderImg[0].Picture = nullptr;

    bar.Form_Load();
    EXPECT_EQ(Origin(bar.ImageList1.Slot(3)), FileOf("blue", 3));
    EXPECT_EQ(bar.BorderImg[0].Picture, nullptr);
}

}  // namespace
}  // namespace zelvo
