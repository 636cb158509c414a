#include <string>
#include <vector>

#include "app/win32/console_output.h"
#include "app/win32/program.h"
#include "platform/win32/instance_channel.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_paths.h"
#include "platform/win32/win32_text_files.h"
#include "platform/win32/windows_api.h"
#include "session/command_line.h"
#include "session/convert_command.h"
#include "session/instance_request.h"

namespace {

std::vector<std::string> Arguments() {
    int count = 0;
    wchar_t** arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> words;
    for (int i = 0; i < count; ++i) {
        words.push_back(zelvo::win32::Narrow(arguments[i]));
    }
    ::LocalFree(arguments);
    return words;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int /*show*/) {
    using namespace zelvo;
    const Command command = ParseCommandLine(Arguments());
    if (const auto answer = AnswerCommandLine(command)) {
        win32::PrintForUser(answer->text, answer->error);
        return answer->status;
    }
    // A conversion needs neither the bar nor the running Zelvo, only the settings.
    if (command.kind == CommandKind::Convert) {
        Win32TextFiles files;
        const Win32Paths paths(RunningExecutable());
        const CommandLineAnswer answer = AnswerConvert(command, files, paths.SettingsFile());
        win32::PrintForUser(answer.text, answer.error);
        return answer.status;
    }
    // The search provider answers the searches of Linux desktops on their session bus.
    if (command.kind == CommandKind::SearchProvider) {
        win32::PrintForUser("zelvo: --search-provider serves GNOME Shell and KRunner, on Linux\n",
                            true);
        return 2;
    }

    // One Zelvo per user session: a later start hands its request to the running one.
    win32::InstanceMutex instanceMutex;
    if (!instanceMutex.TryAcquire()) {
        if (win32::SendToRunning(RequestOf(command)) == win32::HandOver::Delivered) {
            return 0;
        }
        win32::PrintForUser(kNoAnswerText, true);
        return 1;
    }
    if (command.kind == CommandKind::Quit) {
        // Said only where someone reads it: an installer ends Zelvo this way too.
        win32::PrintToConsole(kNoneRunningText, true);
        return 0;
    }

    ::SetCurrentProcessExplicitAppUserModelID(L"org.zelvo.Zelvo");
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS |
                                                       ICC_HOTKEY_CLASS | ICC_BAR_CLASSES |
                                                       ICC_TAB_CLASSES};
    ::InitCommonControlsEx(&controls);
    const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    int status = 0;
    {
        win32::Program program(instance);
        status = program.Run(command);
    }
    if (SUCCEEDED(com)) {
        ::CoUninitialize();
    }
    return status;
}
