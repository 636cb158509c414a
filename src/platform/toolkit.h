#pragma once

#include <string_view>

namespace zelvo {

// The application title every message box of Zelvo carries.
inline constexpr std::string_view kApplicationTitle = "Zelvo";

enum class MessageIcon { None, Information };

// Desktop toolkit services the window models ask for.
class Toolkit {
  public:
    virtual ~Toolkit() = default;
    // A modal message box with an OK button, titled kApplicationTitle.
    virtual void MessageBox(std::string_view prompt, MessageIcon icon) = 0;
    virtual void Beep() = 0;
};

}  // namespace zelvo
