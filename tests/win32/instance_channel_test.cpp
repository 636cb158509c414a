#include "platform/win32/instance_channel.h"

#include <gtest/gtest.h>

#include <vector>

namespace zelvo::win32 {
namespace {

constexpr wchar_t kTestClass[] = L"ZelvoControlChannelTest";
std::vector<InstanceRequest> received;

LRESULT CALLBACK TestControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COPYDATA) {
        const auto request = RequestIn(*reinterpret_cast<const COPYDATASTRUCT*>(lParam));
        if (!request) {
            return 0;
        }
        received.push_back(*request);
        return kRequestDone;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

COPYDATASTRUCT DataOf(ULONG_PTR mark, std::string_view bytes) {
    COPYDATASTRUCT data{};
    data.dwData = mark;
    data.cbData = static_cast<DWORD>(bytes.size());
    data.lpData = const_cast<char*>(bytes.data());
    return data;
}

TEST(InstanceChannelTest, EveryRequestReachesTheControlWindowAndIsAnswered) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = TestControlProc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kTestClass;
    ASSERT_NE(::RegisterClassW(&windowClass), 0);
    HWND control = ::CreateWindowExW(0, kTestClass, L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                     windowClass.hInstance, nullptr);
    ASSERT_NE(control, nullptr);

    received.clear();
    const std::vector<InstanceRequest> sent{
        InstanceRequest::Show,
        InstanceRequest::Toggle,
        InstanceRequest::Quit,
        {InstanceRequest::Enter, "25.4mm"},
        {InstanceRequest::Enter, "12級" + std::string(kMaxEnteredBytes - 5, '0')}};
    for (const InstanceRequest& request : sent) {
        EXPECT_EQ(SendToRunning(request, kTestClass), HandOver::Delivered);
    }
    EXPECT_EQ(received, sent);
    ::DestroyWindow(control);
    ::UnregisterClassW(kTestClass, windowClass.hInstance);
}

TEST(InstanceChannelTest, OnlyWholeRequestLinesWithTheMarkCount) {
    EXPECT_EQ(RequestIn(DataOf(kRequestMark, "toggle\n")), InstanceRequest::Toggle);
    EXPECT_FALSE(RequestIn(DataOf(kRequestMark + 1, "toggle\n")).has_value());
    EXPECT_FALSE(RequestIn(DataOf(kRequestMark, "toggle")).has_value());
    EXPECT_FALSE(RequestIn(DataOf(kRequestMark, "format c:\n")).has_value());
    EXPECT_FALSE(RequestIn(DataOf(kRequestMark, "")).has_value());
    EXPECT_EQ(RequestIn(DataOf(kRequestMark, "enter 10pt\n")),
              InstanceRequest(InstanceRequest::Enter, "10pt"));
    EXPECT_FALSE(RequestIn(DataOf(kRequestMark, "enter 1\r\n")).has_value());
    EXPECT_FALSE(
        RequestIn(DataOf(kRequestMark, std::string(kMaxRequestBytes, 'x') + "\n")).has_value());
    COPYDATASTRUCT empty = DataOf(kRequestMark, "quit\n");
    empty.lpData = nullptr;
    EXPECT_FALSE(RequestIn(empty).has_value());
}

TEST(InstanceChannelTest, OneHolderOfTheMutexAtATime) {
    const wchar_t* name = L"Local\\org.zelvo.Zelvo.instance-test";
    {
        InstanceMutex first;
        ASSERT_TRUE(first.TryAcquire(name));
        InstanceMutex second;
        EXPECT_FALSE(second.TryAcquire(name));
    }
    InstanceMutex later;
    EXPECT_TRUE(later.TryAcquire(name));
}

}  // namespace
}  // namespace zelvo::win32
