// hot_key_holder: another program holding a global hot key, as a Windows user's other
// tools do, so that the end-to-end tests can see what Zelvo says when its key is taken.
//
// Usage: hot_key_holder MODIFIERS KEY   (the numbers RegisterHotKey takes: MOD_ALT 1,
//                                        MOD_CONTROL 2, MOD_SHIFT 4; a virtual-key code)
// Prints "held" once the key is registered, then keeps it until it is ended; prints
// "refused" and exits 1 when the key cannot be had, 2 on bad usage.
#include <cstdio>
#include <cstdlib>

#include "platform/win32/windows_api.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: hot_key_holder MODIFIERS KEY\n", stderr);
        return 2;
    }
    const auto modifiers = static_cast<UINT>(std::strtoul(argv[1], nullptr, 0));
    const auto key = static_cast<UINT>(std::strtoul(argv[2], nullptr, 0));
    if (::RegisterHotKey(nullptr, 1, modifiers | zelvo::win32::kModNoRepeat, key) == FALSE) {
        std::puts("refused");
        return 1;
    }
    std::puts("held");
    std::fflush(stdout);
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::DispatchMessageW(&message);
    }
    return 0;
}
