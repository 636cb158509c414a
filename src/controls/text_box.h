#pragma once

#include <string>
#include <utility>

namespace zelvo {

// A single-line text box. Geometry in twips relative to its container;
// selection counted in characters (code points) of the UTF-8 text.
struct TextBox {
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
    std::string Text;
    int SelStart = 0;
    int SelLength = 0;
    bool Visible = true;
    bool Enabled = true;
    std::string ToolTipText;
    int TabIndex = 0;

    // Replacing the text leaves the caret at the start with nothing selected.
    void SetText(std::string text) {
        Text = std::move(text);
        SelStart = 0;
        SelLength = 0;
    }
};

// Number of characters (code points) in UTF-8 text; stray continuation
// bytes count as one character each so that any byte string has a length.
int CharacterCount(const std::string& text);

}  // namespace zelvo
