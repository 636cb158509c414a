#include "ui/win32/screen_reader_notes.h"

#include <oleacc.h>

#include <string>

#include "platform/win32/wide_text.h"

namespace zelvo::win32 {

ScreenReaderNotes::ScreenReaderNotes() {
    // Without the service (it comes with the accessibility runtime) the change is
    // still announced; the reader then reads the box's value.
    ::CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                       reinterpret_cast<void**>(service_.GetAddressOf()));
}

ScreenReaderNotes::~ScreenReaderNotes() {
    Forget();
}

void ScreenReaderNotes::Describe(HWND control, std::string_view text) {
    if (control != described_) {
        Forget();
    }
    if (service_) {
        const std::wstring wide = Widen(text);
        service_->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                 PROPID_ACC_DESCRIPTION, wide.c_str());
        described_ = control;
    }
    ::NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, control, OBJID_CLIENT, CHILDID_SELF);
    ::NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

void ScreenReaderNotes::Forget() {
    if (service_ && described_ != nullptr) {
        const MSAAPROPID description = PROPID_ACC_DESCRIPTION;
        service_->ClearHwndProps(described_, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                 &description, 1);
    }
    described_ = nullptr;
}

}  // namespace zelvo::win32
