#pragma once

#include <string_view>

namespace zelvo {

// The application title every message box of Zelvo carries.
inline constexpr std::string_view kApplicationTitle = "Zelvo";

enum class MessageIcon { None, Information };

// Where the conversion says what went wrong: the toolkit's message boxes on the bar,
// something that keeps the text where no window is shown.
class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    // A modal message box with an OK button, titled kApplicationTitle.
    virtual void MessageBox(std::string_view prompt, MessageIcon icon) = 0;
};

}  // namespace zelvo
