#include <gtest/gtest.h>

#include <vector>

#include "bar_window_fixture.h"

namespace zelvo::win32 {
namespace {

// The accessibility events the program sent about its own windows, in order, as a
// screen reader listening from outside would get them.
class AccessibilityEvents {
  public:
    struct Event {
        DWORD kind;
        HWND window;
    };

    AccessibilityEvents() {
        seen().clear();
        hook_ = ::SetWinEventHook(EVENT_OBJECT_DESCRIPTIONCHANGE, EVENT_OBJECT_VALUECHANGE, nullptr,
                                  &Heard, ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    }
    ~AccessibilityEvents() { ::UnhookWinEvent(hook_); }
    AccessibilityEvents(const AccessibilityEvents&) = delete;
    AccessibilityEvents& operator=(const AccessibilityEvents&) = delete;

    bool hooked() const { return hook_ != nullptr; }

    // The events sent so far of `kind` about `window`, after those waiting are taken.
    int Count(DWORD kind, HWND window) const {
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
            ::DispatchMessageW(&message);
        }
        int count = 0;
        for (const Event& event : seen()) {
            count += event.kind == kind && event.window == window ? 1 : 0;
        }
        return count;
    }

  private:
    static std::vector<Event>& seen() {
        static std::vector<Event> events;
        return events;
    }
    static void CALLBACK Heard(HWINEVENTHOOK /*hook*/, DWORD kind, HWND window, LONG object,
                               LONG child, DWORD /*thread*/, DWORD /*time*/) {
        if (object == OBJID_CLIENT && child == CHILDID_SELF) {
            seen().push_back({kind, window});
        }
    }

    HWINEVENTHOOK hook_ = nullptr;
};

// After a conversion the focused box tells screen readers that its description, the
// six results, and its value changed; typing, or showing the same results again,
// tells them nothing new.
TEST_F(BarWindowTest, AConversionIsAnnouncedOnceFromTheFocusedBox) {
    const AccessibilityEvents events;
    ASSERT_TRUE(events.hooked());
    ::SetFocus(window->box(3));
    ASSERT_EQ(::GetFocus(), window->box(3));

    Type(3, L"72");
    EXPECT_EQ(events.Count(EVENT_OBJECT_DESCRIPTIONCHANGE, window->box(3)), 0);
    Type(3, L"\r");
    EXPECT_EQ(bar.text1[1].Text, "25.39");
    EXPECT_EQ(events.Count(EVENT_OBJECT_DESCRIPTIONCHANGE, window->box(3)), 1);
    EXPECT_GE(events.Count(EVENT_OBJECT_VALUECHANGE, window->box(3)), 1);
    window->Render();
    EXPECT_EQ(events.Count(EVENT_OBJECT_DESCRIPTIONCHANGE, window->box(3)), 1);
    for (const int other : {0, 1, 2, 4, 5, 6}) {
        EXPECT_EQ(events.Count(EVENT_OBJECT_DESCRIPTIONCHANGE, window->box(other)), 0) << other;
    }

    Type(3, L"1");  // a new number empties the other boxes
    Type(3, L"\r");
    EXPECT_EQ(events.Count(EVENT_OBJECT_DESCRIPTIONCHANGE, window->box(3)), 2);
}

// A conversion the model made while no box had the focus is not announced from a box
// the reader is not on.
TEST_F(BarWindowTest, NoBoxSpeaksWithoutTheFocus) {
    const AccessibilityEvents events;
    ASSERT_TRUE(events.hooked());
    ::SetFocus(nullptr);
    bar.text1[1].SetText("25.4");
    int enter = 13;
    bar.text1_KeyPress(1, enter);
    window->Render();
    ASSERT_EQ(bar.text1[2].Text, "101.60");
    for (int box = 0; box < kUnitBoxCount; ++box) {
        EXPECT_EQ(events.Count(EVENT_OBJECT_DESCRIPTIONCHANGE, window->box(box)), 0) << box;
    }
}

}  // namespace
}  // namespace zelvo::win32
