#include "ui/win32/tool_tips.h"

#include "platform/win32/wide_text.h"

namespace zelvo::win32 {
namespace {

HWND MakeTipWindow(HWND owner) {
    const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&classes);
    return ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner,
                             nullptr, nullptr, nullptr);
}

}  // namespace

ToolTips::ToolTips(HWND owner) : owner_(owner), window_(MakeTipWindow(owner)) {}

void ToolTips::Set(HWND control, const std::string& text) {
    std::wstring wide = Widen(text);
    const auto known = texts_.find(control);
    if (window_ == nullptr || (known != texts_.end() && known->second == wide)) {
        return;
    }
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;  // the size every version of the common controls takes
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = owner_;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = wide.data();
    ::SendMessageW(window_, known == texts_.end() ? TTM_ADDTOOLW : TTM_UPDATETIPTEXTW, 0,
                   reinterpret_cast<LPARAM>(&tool));
    texts_[control] = std::move(wide);
}

}  // namespace zelvo::win32
