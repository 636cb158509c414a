#include "platform/win32/menu_tree.h"

#include <gtest/gtest.h>

#include <set>

namespace zelvo {
namespace {

// What one entry of a built menu is, read back through the menu API.
struct Entry {
    bool separator = false;
    std::wstring caption;
    UINT command = 0;
    HMENU subMenu = nullptr;
    bool drawnByProgram = false;  // owner-drawn or a bitmap: screen readers find no name
};

std::vector<Entry> EntriesOf(HMENU menu) {
    std::vector<Entry> entries;
    const int count = ::GetMenuItemCount(menu);
    for (int at = 0; at < count; ++at) {
        wchar_t caption[64] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = caption;
        info.cch = 64;
        EXPECT_TRUE(::GetMenuItemInfoW(menu, static_cast<UINT>(at), TRUE, &info));
        entries.push_back({(info.fType & MFT_SEPARATOR) != 0, caption, info.wID, info.hSubMenu,
                           (info.fType & (MFT_OWNERDRAW | MFT_BITMAP)) != 0});
    }
    return entries;
}

TEST(MenuTreeTest, CommandsSeparatorsAndSubMenusInOrderWithoutHiddenEntries) {
    const std::vector<MenuItem> items = {
        {"pulldown1_taskbar", "タスクバーへ格納"},
        {"pulldown1_haba",
         "幅を操作",
         {{"pulldown1_haba_saidaika", "最大化して均等"},
          {"pulldown1_haba_hidden", "隠れた", {}, false},
          {"pulldown1_haba_touhaba", "各項目の幅を均等に…"}}},
        {"line1", "-"},
        {"pulldown1_hidden", "見えない", {}, false},
        {"pulldown1_hidden_menu", "隠れたメニュー", {{"inner", "中"}}, false},
        {"pulldown1_end", "終了"},
    };
    const MenuTree tree(items);
    ASSERT_NE(tree.handle(), nullptr);

    const std::vector<Entry> top = EntriesOf(tree.handle());
    ASSERT_EQ(top.size(), 4U);
    EXPECT_EQ(top[0].caption, L"タスクバーへ格納");
    EXPECT_EQ(tree.NameOf(top[0].command), "pulldown1_taskbar");
    EXPECT_EQ(top[1].caption, L"幅を操作");
    ASSERT_NE(top[1].subMenu, nullptr);
    EXPECT_TRUE(top[2].separator);
    EXPECT_EQ(top[3].caption, L"終了");
    EXPECT_EQ(tree.NameOf(top[3].command), "pulldown1_end");

    const std::vector<Entry> width = EntriesOf(top[1].subMenu);
    ASSERT_EQ(width.size(), 2U);
    EXPECT_EQ(width[0].caption, L"最大化して均等");
    EXPECT_EQ(tree.NameOf(width[0].command), "pulldown1_haba_saidaika");
    EXPECT_EQ(width[1].caption, L"各項目の幅を均等に…");
    EXPECT_EQ(tree.NameOf(width[1].command), "pulldown1_haba_touhaba");

    // Screen readers name the entries by their captions, as the system draws them.
    for (const auto* menu : {&top, &width}) {
        for (const Entry& entry : *menu) {
            EXPECT_FALSE(entry.drawnByProgram);
        }
    }

    // Every command has its own identifier, and none is the "no choice" answer.
    const std::set<UINT> commands = {top[0].command, top[3].command, width[0].command,
                                     width[1].command};
    EXPECT_EQ(commands.size(), 4U);
    EXPECT_EQ(commands.count(0), 0U);
}

TEST(MenuTreeTest, NoChoiceAndUnknownIdentifiersHaveNoName) {
    const MenuTree tree({{"pulldown2_bar_out", "barを表示"}, {"pulldown2_line1", "-"}});
    EXPECT_EQ(tree.NameOf(0), "");
    EXPECT_EQ(tree.NameOf(2), "");
    EXPECT_EQ(tree.NameOf(0xFFFFFFFF), "");

    const MenuTree empty({});
    ASSERT_NE(empty.handle(), nullptr);
    EXPECT_EQ(::GetMenuItemCount(empty.handle()), 0);
}

}  // namespace
}  // namespace zelvo
