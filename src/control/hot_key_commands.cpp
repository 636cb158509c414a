#include <string>
#include <utility>

#include "control/form2.h"
#include "conversion/notices.h"

namespace zelvo {
namespace {

// The identifier a registration carries: the atom widened with its sign.
std::int32_t IdentifierOf(std::uint16_t atom) {
    return static_cast<std::int16_t>(atom);
}

}  // namespace

void Form2::SendHotKeyMessage() {
    ReceiveMessage(hotkey2::WM_HOTKEY, IdentifierOf(hotKeyRecord.HotKeyAtom), 0);
}

void Form2::ReleaseHotKey() {
    if (hotKeyRecord.HotKeyAtom == 0) {
        return;
    }
    platform_.globalHotKey.UnregisterHotKey(IdentifierOf(hotKeyRecord.HotKeyAtom));
    platform_.globalHotKey.GlobalDeleteAtom(hotKeyRecord.HotKeyAtom);
}

bool Form2::RegisterStoredHotKey() {
    return platform_.globalHotKey.RegisterHotKey(IdentifierOf(hotKeyRecord.HotKeyAtom),
                                                 hotkey1::RegistrationModifiers(hotKeyRecord),
                                                 hotkey1::KeyCode(hotKeyRecord.sChar));
}

// Takes the combination shown in the capture control as the new hot key. A key
// that cannot be registered is reported: it would otherwise look set but do nothing.
void Form2::cmdSet_Click() {
    keyAnswerAwaited_ = false;
    ReleaseHotKey();
    hotKeyRecord.HotKeyAtom = platform_.globalHotKey.GlobalAddAtom(hotkey1::kAtomName);
    const std::uint16_t value = hotkey1::GetHotKeyControlValue(hotKeyControl);
    hotkey1::ControlValueToHotKey(value, hotKeyRecord);
    const bool registered = RegisterStoredHotKey();
    hotkey1::SetHotKeyControlValue(hotKeyControl, value);
    if (hotkey1::KeyCode(hotKeyRecord.sChar) == 0) {
        return;
    }
    if (!registered) {
        platform_.toolkit.MessageBox(notice::kHotKeyNotRegistered, MessageIcon::None);
    } else if (platform_.globalHotKey.AnswersLater()) {
        keyAnswerAwaited_ = true;
    } else if (!platform_.globalHotKey.ReachesEveryWindow()) {
        platform_.toolkit.MessageBox(notice::kHotKeyNeedsDesktopShortcut, MessageIcon::None);
    }
}

void Form2::DesktopKeyAnswered(DesktopKeyAnswer answer, std::string_view boundKey) {
    if (!std::exchange(keyAnswerAwaited_, false)) {
        return;
    }
    switch (answer) {
        case DesktopKeyAnswer::AsAsked:
            break;
        case DesktopKeyAnswer::OtherKey:
            platform_.toolkit.MessageBox(std::string(notice::kHotKeyKeptByDesktop) +
                                             std::string(boundKey) +
                                             std::string(notice::kHotKeyKeptByDesktopEnd),
                                         MessageIcon::None);
            break;
        case DesktopKeyAnswer::NoKey:
            platform_.toolkit.MessageBox(notice::kHotKeyNotBoundByDesktop, MessageIcon::None);
            break;
        case DesktopKeyAnswer::Refused:
            platform_.toolkit.MessageBox(notice::kHotKeyNotRegistered, MessageIcon::None);
            break;
    }
}

}  // namespace zelvo
