#pragma once

#include <string_view>

namespace zelvo::win32 {

// Prints text to the standard output or error Zelvo was given, else to the console it
// was started from; false when it has neither.
bool PrintToConsole(std::string_view text, bool error);

// Prints text for the user who started Zelvo: to a console as PrintToConsole does,
// else in a message box.
void PrintForUser(std::string_view text, bool error);

}  // namespace zelvo::win32
