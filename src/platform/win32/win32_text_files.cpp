#include "platform/win32/win32_text_files.h"

#include <algorithm>
#include <array>

#include "platform/win32/wide_text.h"
#include "platform/win32/win32_atomic_file.h"
#include "platform/win32/win32_code_page_932.h"
#include "platform/win32/win32_handle.h"
#include "platform/win32/windows_api.h"

namespace zelvo {
namespace {

// The whole content of a disk file, or none when it is larger than `limit` or a read
// fails. Other writers may go on writing: the file is read as it is met.
std::optional<std::string> ReadAll(HANDLE file, long limit) {
    LARGE_INTEGER size{};
    if (::GetFileType(file) != FILE_TYPE_DISK || !::GetFileSizeEx(file, &size) ||
        size.QuadPart > limit) {
        return std::nullopt;
    }
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(size.QuadPart));
    std::array<char, 65536> chunk{};
    DWORD read = 0;
    do {
        if (!::ReadFile(file, chunk.data(), static_cast<DWORD>(chunk.size()), &read, nullptr)) {
            return std::nullopt;
        }
        bytes.append(chunk.data(), read);
        if (bytes.size() > static_cast<std::size_t>(limit)) {
            return std::nullopt;
        }
    } while (read > 0);
    return bytes;
}

// The length of the UTF-8 character `rest` starts with; 1 for a byte that starts none.
std::size_t CharacterLength(std::string_view rest) {
    const auto lead = static_cast<unsigned char>(rest.front());
    const std::size_t length = lead >= 0xF0 && lead <= 0xF4   ? 4
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xC2 && lead <= 0xDF ? 2
                                                              : 1;
    return std::min(length, rest.size());
}

}  // namespace

std::optional<std::string> Win32TextFiles::ReadText(const std::string& path) {
    const win32::UniqueHandle file(
        ::CreateFileW(win32::WindowsPath(path).c_str(), GENERIC_READ,
                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.valid()) {
        return std::nullopt;
    }
    const std::optional<std::string> bytes = ReadAll(file.get(), kMaxReadBytes);
    if (!bytes) {
        return std::nullopt;
    }
    return DecodeCodePage932(*bytes);
}

bool Win32TextFiles::WriteText(const std::string& path, std::string_view text) {
    bool replaced = false;
    return WriteFileAtomically(path, EncodeCodePage932(text, replaced));
}

std::string Win32TextFiles::Unwritable(std::string_view text) const {
    std::string refused;
    while (!text.empty()) {
        const std::string_view character = text.substr(0, CharacterLength(text));
        text.remove_prefix(character.size());
        bool replaced = false;
        EncodeCodePage932(character, replaced);
        if (replaced && refused.find(character) == std::string::npos) {
            refused.append(character);
        }
    }
    return refused;
}

}  // namespace zelvo
