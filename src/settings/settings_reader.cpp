#include "settings/settings_reader.h"

#include <exception>
#include <string_view>

#include "bar/bar_metrics.h"
#include "bar/form1.h"
#include "control/form2.h"
#include "settings/settings_keys.h"
#include "settings/settings_lines.h"
#include "settings/settings_values.h"

namespace zelvo {
namespace {

using namespace settings_lines;

// The first character (code point) of a non-empty line.
std::string FirstCharacter(std::string_view line) {
    std::size_t length = 1;
    while (length < line.size() && (static_cast<unsigned char>(line[length]) & 0xC0) == 0x80) {
        ++length;
    }
    return std::string(line.substr(0, length));
}

class SettingsReader {
  public:
    SettingsReader(form1& bar, Form2& dialog) : bar_(bar), dialog_(dialog) {}

    void Apply(std::string_view key, std::string_view line) {
        namespace k = settings_key;
        hotkey1::HotKeyRecord& hotKey = dialog_.hotKeyRecord;
        if (key == k::kForm) {
            ApplyRectangle(bar_, line);
        } else if (key == k::kText1) {
            ApplyRectangleList(bar_.text1, line);
        } else if (key == k::kBorderImg) {
            ApplyRectangleList(bar_.BorderImg, line);
        } else if (key == k::kBottomImg) {
            ApplyRectangle(bar_.BottomImg, line);
        } else if (key == k::kTopImg) {
            ApplyRectangle(bar_.topimg, line);
        } else if (key == k::kOp1) {
            // The three density choices in order, as clicks would set them; then the text.
            ApplyDensityLine(
                line, [this](int index, bool selected) { dialog_.SetOption1(index, selected); },
                dialog_.Text5.Text);
        } else if (key == k::kUpDown) {
            dialog_.UpDown1.Value = Decimals(line, dialog_.UpDown1.Min, dialog_.UpDown1.Max);
        } else if (key == k::kCheck1) {
            dialog_.Check1.Value = ZeroOrOne(line);
        } else if (key == k::kCheck2) {
            dialog_.Check2.Value = ZeroOrOne(line);
            bar_.topmostMode.PendingTopmost = dialog_.Check2.Value;
            ToggleTopmost(bar_, dialog_);
        } else if (key == k::kShift) {
            hotKey.bShift = Required(ParseBoolean(line));
        } else if (key == k::kCtrl) {
            hotKey.bCtrl = Required(ParseBoolean(line));
        } else if (key == k::kAlt) {
            hotKey.bAlt = Required(ParseBoolean(line));
        } else if (key == k::kChar) {
            hotKey.sChar = FirstCharacter(line);
        } else if (key == k::kSkinPath) {
            dialog_.Label2.Caption = std::string(line);
        }
    }

  private:
    form1& bar_;
    Form2& dialog_;
};

void ReadLines(form1& bar, Form2& dialog, const std::string& text) {
    SettingsReader reader(bar, dialog);
    ForEachValueLine(
        text, [&reader](std::string_view key, std::string_view line) { reader.Apply(key, line); });
    bar.Width = bar.BottomImg.Left + bar.BottomImg.Width;
    bar.Image2.Width = bar.Width;
    bar.Height = bar.Image2.Height + kWindowHeightMargin;
}

}  // namespace

void LoadSettings(form1& bar, Form2& dialog, const std::string& path) {
    try {
        const auto text = bar.platform().textFiles.ReadText(path);
        if (!text) {
            throw Malformed();
        }
        ReadLines(bar, dialog, *text);
    } catch (const std::exception&) {
        LayoutBar(bar, kFactoryBoxWidth);
        bar.Top = bar.platform().toolkit.ScreenHeight() / 2 - bar.Height / 2;
    }
}

}  // namespace zelvo
