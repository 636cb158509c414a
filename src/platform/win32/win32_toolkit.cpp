#include "platform/win32/win32_toolkit.h"

#include <utility>

#include <new>
#include <vector>

#include "bar/skin_roles.h"
#include "platform/win32/menu_tree.h"
#include "platform/win32/resource_ids.h"
#include "platform/win32/wide_text.h"

namespace zelvo {
namespace {

constexpr float kTwipsPerInch = 1440.0F;
// No picture of a skin comes near this size; a larger file is not read.
constexpr std::uint64_t kMaxPictureFileBytes = std::uint64_t{64} << 20;

// The process is aware of each monitor's density: the system's is the primary monitor's.
float TwipsPerPixel() {
    const UINT dpi = ::GetDpiForSystem();
    return dpi > 0 ? kTwipsPerInch / static_cast<float>(dpi) : 15.0F;
}

struct CloseHandle {
    void operator()(HANDLE handle) const { ::CloseHandle(handle); }
};
using UniqueFile = std::unique_ptr<void, CloseHandle>;

UniqueFile OpenForReading(const std::string& path) {
    const HANDLE file = ::CreateFileW(win32::WindowsPath(path).c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    return UniqueFile(file == INVALID_HANDLE_VALUE ? nullptr : file);
}

// The file's `size` bytes; empty when they cannot all be read.
std::vector<BYTE> ReadAll(HANDLE file, std::uint64_t size) {
    std::vector<BYTE> bytes(static_cast<std::size_t>(size));
    DWORD read = 0;
    if (!::ReadFile(file, bytes.data(), static_cast<DWORD>(size), &read, nullptr) || read != size) {
        return {};
    }
    return bytes;
}

std::uint64_t Join(DWORD high, DWORD low) {
    return (std::uint64_t{high} << 32) | low;
}

}  // namespace

void Win32Toolkit::MessageBox(std::string_view prompt, MessageIcon icon) {
    BeforeModal();
    const UINT style = MB_OK | (icon == MessageIcon::Information ? MB_ICONINFORMATION : 0);
    ::MessageBoxW(Owner(), win32::Widen(prompt).c_str(), win32::Widen(kApplicationTitle).c_str(),
                  style);
}

void Win32Toolkit::Beep() {
    ::MessageBeep(MB_OK);
}

float Win32Toolkit::TwipsPerPixelX() const {
    return TwipsPerPixel();
}

float Win32Toolkit::TwipsPerPixelY() const {
    return TwipsPerPixel();
}

float Win32Toolkit::ScreenWidth() const {
    return static_cast<float>(::GetSystemMetrics(SM_CXSCREEN)) * TwipsPerPixelX();
}

float Win32Toolkit::ScreenHeight() const {
    return static_cast<float>(::GetSystemMetrics(SM_CYSCREEN)) * TwipsPerPixelY();
}

// A pop-up menu closes on a click elsewhere only while its owner is the foreground
// window, and the message posted after it lets the owner see that the menu is gone.
std::string Win32Toolkit::PopupMenu(const std::vector<MenuItem>& items) {
    BeforeModal();
    const MenuTree menu(items);
    const HWND owner = Owner();
    POINT pointer{};
    const std::optional<POINT> at = std::exchange(nextMenuAt_, std::nullopt);
    if (at) {
        pointer = *at;
    } else if (!::GetCursorPos(&pointer)) {
        return {};
    }
    if (menu.handle() == nullptr) {
        return {};
    }
    ::SetForegroundWindow(owner);
    const auto command = static_cast<UINT>(::TrackPopupMenuEx(
        menu.handle(), TPM_RETURNCMD | TPM_RIGHTBUTTON, pointer.x, pointer.y, owner, nullptr));
    ::PostMessageW(owner, WM_NULL, 0, 0);
    return menu.NameOf(command);
}

void Win32Toolkit::ShowAboutBoxModal() {
    BeforeModal();
    if (showAbout_) {
        showAbout_();
    }
}

void Win32Toolkit::Quit() {
    ::PostQuitMessage(0);
}

PictureRef Win32Toolkit::LoadPicture(const std::string& path) {
    const UniqueFile file = OpenForReading(path);
    BY_HANDLE_FILE_INFORMATION information{};
    if (!file || !::GetFileInformationByHandle(file.get(), &information)) {
        loaded_.erase(path);
        return nullptr;
    }
    const std::uint64_t bytes = Join(information.nFileSizeHigh, information.nFileSizeLow);
    const std::uint64_t lastWrite =
        Join(information.ftLastWriteTime.dwHighDateTime, information.ftLastWriteTime.dwLowDateTime);
    LoadedFile& loaded = loaded_[path];
    if (PictureRef picture = loaded.picture.lock();
        picture && loaded.bytes == bytes && loaded.lastWrite == lastWrite) {
        return picture;
    }
    PictureRef picture;
    if (bytes <= kMaxPictureFileBytes) {
        try {
            picture = Decoder().Decode(ReadAll(file.get(), bytes), path);
        } catch (const std::bad_alloc&) {
            picture = nullptr;
        }
    }
    loaded = {bytes, lastWrite, picture};
    return picture;
}

PictureRef Win32Toolkit::BuiltinPicture(int slot) {
    if (slot < 1 || slot > static_cast<int>(builtin_.size())) {
        return nullptr;
    }
    PictureRef& picture = builtin_[static_cast<std::size_t>(slot - 1)];
    if (picture) {
        return picture;
    }
    const HRSRC resource =
        ::FindResourceW(instance_, MAKEINTRESOURCEW(ZELVO_IDR_BUILTIN_PICTURE + slot), RT_RCDATA);
    const HGLOBAL data = resource != nullptr ? ::LoadResource(instance_, resource) : nullptr;
    const void* bytes = data != nullptr ? ::LockResource(data) : nullptr;
    if (bytes != nullptr) {
        picture = Decoder().Decode(
            {static_cast<const BYTE*>(bytes), ::SizeofResource(instance_, resource)},
            ":/builtin/" + std::string(kSkinRoles[static_cast<std::size_t>(slot - 1)]) + ".gif");
    }
    return picture;
}

void Win32Toolkit::BeforeModal() const {
    if (beforeModal_) {
        beforeModal_();
    }
}

HWND Win32Toolkit::Owner() const {
    return owner_ ? owner_() : nullptr;
}

const PictureDecoder& Win32Toolkit::Decoder() {
    if (!decoder_) {
        decoder_ = std::make_unique<PictureDecoder>();
    }
    return *decoder_;
}

}  // namespace zelvo
