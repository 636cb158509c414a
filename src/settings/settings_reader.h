#pragma once

#include <string>

namespace zelvo {

class form1;
class Form2;

// Reads setting.ini into the live controls of the bar and the settings dialog. Any
// error - no file, a value that does not convert or that its control refuses -
// stops the reading, keeps what was applied, and falls back to the factory widths
// with the bar centred vertically. Never fails and shows nothing.
void LoadSettings(form1& bar, Form2& dialog, const std::string& path);

}  // namespace zelvo
