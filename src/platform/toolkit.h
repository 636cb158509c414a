#pragma once

#include <string>
#include <string_view>

#include "platform/menu.h"
#include "platform/message_boxes.h"
#include "platform/picture.h"

namespace zelvo {

// Desktop toolkit services the window models ask for.
class Toolkit : public MessageBoxes {
  public:
    virtual void Beep() = 0;

    virtual float TwipsPerPixelX() const = 0;
    virtual float TwipsPerPixelY() const = 0;
    // The size of the screen in twips.
    virtual float ScreenWidth() const = 0;
    virtual float ScreenHeight() const = 0;

    // Opens a pop-up menu at the pointer and waits for the choice; returns the name of
    // the chosen entry, or the empty text when the menu was closed without one.
    virtual std::string PopupMenu(const std::vector<MenuItem>& items) = 0;

    // Shows the About box and waits until it is closed.
    virtual void ShowAboutBoxModal() = 0;

    // Ends the program's event loop once the current handler has returned.
    virtual void Quit() = 0;

    // A GIF picture from a file; null when the file is missing or not a picture.
    virtual PictureRef LoadPicture(const std::string& path) = 0;
    // One of the ten pictures compiled into the program, by picture-list slot 1 to 10.
    virtual PictureRef BuiltinPicture(int slot) = 0;
};

}  // namespace zelvo
