#include <string>

#include "bar/form1.h"
#include "control/form2.h"
#include "conversion/notices.h"
#include "settings/settings_keys.h"
#include "settings/settings_values.h"

namespace zelvo {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

template <typename Control>
std::string RectangleText(const Control& control) {
    return SingleText(control.Left) + "," + SingleText(control.Top) + "," +
           SingleText(control.Width) + "," + SingleText(control.Height);
}

template <typename Controls>
std::string RectangleListText(const Controls& controls) {
    std::string text;
    for (const auto& control : controls) {
        if (!text.empty()) {
            text += "|";
        }
        text += RectangleText(control);
    }
    return text;
}

void AppendSection(std::string& text, std::string_view key, std::string_view value) {
    text.append(key).append(kLineEnd).append(value).append(kLineEnd);
}

}  // namespace

bool form1::KankyouOutPut(const std::string& SavePath) {
    namespace key = settings_key;
    const hotkey1::HotKeyRecord& hotKey = dialog_.hotKeyRecord;
    std::string text;
    AppendSection(text, key::kText1, RectangleListText(text1));
    AppendSection(text, key::kBorderImg, RectangleListText(BorderImg));
    AppendSection(text, key::kForm, RectangleText(*this));
    AppendSection(text, key::kBottomImg, RectangleText(BottomImg));
    AppendSection(text, key::kTopImg, RectangleText(topimg));
    std::string density;
    for (const OptionButton& option : dialog_.Option1) {
        density += BooleanText(option.Value) + "|";
    }
    AppendSection(text, key::kOp1, density + dialog_.Text5.Text);
    AppendSection(text, key::kUpDown, std::to_string(dialog_.UpDown1.Value));
    AppendSection(text, key::kCheck1, std::to_string(dialog_.Check1.Value));
    AppendSection(text, key::kCheck2, std::to_string(dialog_.Check2.Value));
    AppendSection(text, key::kShift, BooleanText(hotKey.bShift));
    AppendSection(text, key::kCtrl, BooleanText(hotKey.bCtrl));
    AppendSection(text, key::kAlt, BooleanText(hotKey.bAlt));
    AppendSection(text, key::kChar, hotKey.sChar);
    AppendSection(text, key::kSkinPath, dialog_.Label2.Caption);
    text.append(kLineEnd);
    // A skin folder's name may hold characters the file's code page lacks: the user is
    // told which, rather than finding the skin forgotten at the next start.
    if (const std::string lost = platform_.textFiles.Unwritable(text); !lost.empty()) {
        platform_.toolkit.MessageBox(std::string(notice::kSettingsCharactersLost) + lost,
                                     MessageIcon::None);
    }
    return platform_.textFiles.WriteText(SavePath, text);
}

}  // namespace zelvo
