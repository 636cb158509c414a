#pragma once

#include <string>
#include <string_view>

#include "platform/picture.h"

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

    virtual float TwipsPerPixelX() const = 0;
    virtual float TwipsPerPixelY() const = 0;

    // A GIF picture from a file; null when the file is missing or not a picture.
    virtual PictureRef LoadPicture(const std::string& path) = 0;
    // One of the ten pictures compiled into the program, by picture-list slot 1 to 10.
    virtual PictureRef BuiltinPicture(int slot) = 0;
};

}  // namespace zelvo
