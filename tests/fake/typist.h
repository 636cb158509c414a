#pragma once

#include <algorithm>
#include <string>
#include <string_view>

#include "bar/form1.h"

namespace zelvo::fake {

// Types into the bar's unit boxes the way a single-line box does: the key handler
// sees each character first, and only what it lets through reaches the box.
class Typist {
  public:
    explicit Typist(form1& bar) : bar_(bar) {}

    // Focuses box `index`, which selects its whole text.
    void Click(int index) {
        focus_ = index;
        bar_.text1_GotFocus(index);
    }

    void Key(int keyAscii) {
        bar_.text1_KeyPress(focus_, keyAscii);
        Apply(keyAscii);
    }

    void Type(std::string_view keys) {
        for (const char c : keys) {
            Key(static_cast<unsigned char>(c));
        }
    }

    void Enter() { Key(13); }

    // Focus the box, type the text over its selection, press Enter.
    void Convert(int index, std::string_view keys) {
        Click(index);
        Type(keys);
        Enter();
    }

    std::string clipboard;

  private:
    void ReplaceSelection(const std::string& with) {
        TextBox& box = bar_.text1.at(focus_);
        const std::size_t start = std::min(static_cast<std::size_t>(box.SelStart), box.Text.size());
        const std::size_t end =
            std::min(start + static_cast<std::size_t>(box.SelLength), box.Text.size());
        box.Text = box.Text.substr(0, start) + with + box.Text.substr(end);
        box.SelStart = static_cast<int>(start + with.size());
        box.SelLength = 0;
    }

    void Apply(int keyAscii) {
        TextBox& box = bar_.text1.at(focus_);
        switch (keyAscii) {
            case 0:
            case 1:
            case 13:
                return;
            case 3:
                clipboard = box.Text.substr(static_cast<std::size_t>(box.SelStart),
                                            static_cast<std::size_t>(box.SelLength));
                return;
            case 8:
                if (box.SelLength == 0 && box.SelStart > 0) {
                    --box.SelStart;
                    box.SelLength = 1;
                }
                ReplaceSelection({});
                return;
            case 22:
                ReplaceSelection(clipboard);
                return;
            default:
                ReplaceSelection(std::string(1, static_cast<char>(keyAscii)));
        }
    }

    form1& bar_;
    int focus_ = 0;
};

}  // namespace zelvo::fake
