#include <string>
#include <vector>

#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"
#include "session/command_line.h"

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int /*show*/) {
    int count = 0;
    wchar_t** arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> words;
    for (int i = 0; i < count; ++i) {
        words.push_back(zelvo::win32::Narrow(arguments[i]));
    }
    ::LocalFree(arguments);
    const zelvo::Command command = zelvo::ParseCommandLine(words);
    if (const auto answer = zelvo::AnswerCommandLine(command)) {
        return answer->status;
    }
    return 0;
}
