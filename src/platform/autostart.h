#pragma once

namespace zelvo {

// Starting Zelvo when the user logs in, through the desktop's autostart entries.
class Autostart {
  public:
    virtual ~Autostart() = default;
    virtual bool IsEnabled() const = 0;
    // Writes the entry for the running program; false when it could not be written.
    virtual bool Enable() = 0;
    // Removes the entry; false when it is still there.
    virtual bool Disable() = 0;
};

}  // namespace zelvo
