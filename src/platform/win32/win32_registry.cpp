#include "platform/win32/win32_registry.h"

#include <algorithm>
#include <vector>

#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

namespace zelvo {
namespace {

constexpr std::uint32_t kFirstPredefinedKey = 0x80000000;  // HKEY_CLASSES_ROOT
constexpr std::uint32_t kLastPredefinedKey = 0x80000005;   // HKEY_CURRENT_CONFIG
constexpr std::uint32_t kPerformanceData = 0x80000004;
// A value that keeps changing size while it is read is given up after this many tries.
constexpr int kReadTries = 4;

HKEY KeyOf(std::uintptr_t handle) {
    return reinterpret_cast<HKEY>(handle);
}

struct StoredValue {
    DWORD type = 0;
    std::vector<BYTE> bytes;
};

std::optional<StoredValue> ReadValue(HKEY key, const std::wstring& name) {
    StoredValue value;
    for (int tries = 0; tries < kReadTries; ++tries) {
        DWORD size = 0;
        if (::RegQueryValueExW(key, name.c_str(), nullptr, &value.type, nullptr, &size) !=
            ERROR_SUCCESS) {
            return std::nullopt;
        }
        value.bytes.resize(size);
        const LSTATUS status =
            ::RegQueryValueExW(key, name.c_str(), nullptr, &value.type, value.bytes.data(), &size);
        if (status == ERROR_SUCCESS) {
            value.bytes.resize(size);
            return value;
        }
        if (status != ERROR_MORE_DATA) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

std::wstring TextOf(const std::vector<BYTE>& bytes) {
    std::wstring text(bytes.size() / sizeof(wchar_t), L'\0');
    std::copy_n(bytes.begin(), text.size() * sizeof(wchar_t), reinterpret_cast<BYTE*>(text.data()));
    return text;
}

// The text with its %variables% filled in, the NUL it was stored with kept.
std::wstring Expanded(const std::wstring& stored) {
    const std::size_t end = stored.find(L'\0');
    const std::wstring text = stored.substr(0, end);
    const DWORD length = ::ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
    if (length == 0) {
        return stored;
    }
    std::wstring expanded(length, L'\0');
    if (::ExpandEnvironmentStringsW(text.c_str(), expanded.data(), length) != length) {
        return stored;
    }
    if (end == std::wstring::npos) {
        expanded.pop_back();
    }
    return expanded;
}

// UTF-8 text cut to at most `size` bytes without splitting a character.
void CutText(std::string& text, std::size_t size) {
    if (text.size() <= size) {
        return;
    }
    while (size > 0 && (static_cast<unsigned char>(text[size]) & 0xC0) == 0x80) {
        --size;
    }
    text.resize(size);
}

}  // namespace

std::uintptr_t Win32Registry::OpenKey(std::uint32_t root, const std::string& key) {
    if (root < kFirstPredefinedKey || root > kLastPredefinedKey || root == kPerformanceData) {
        return 0;
    }
    HKEY opened = nullptr;
    if (::RegOpenKeyExW(reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(root)),
                        win32::Widen(key).c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) {
        return 0;
    }
    return reinterpret_cast<std::uintptr_t>(opened);
}

std::optional<RegistryValue> Win32Registry::QueryValue(std::uintptr_t key, const std::string& name,
                                                       std::size_t bufferSize) {
    const std::optional<StoredValue> stored = ReadValue(KeyOf(key), win32::Widen(name));
    if (!stored) {
        return std::nullopt;
    }
    RegistryValue value{stored->type, {}};
    if (stored->type == win32::kRegSz || stored->type == win32::kRegExpandSz) {
        const std::wstring text = TextOf(stored->bytes);
        value.data = win32::Narrow(stored->type == win32::kRegSz ? text : Expanded(text));
        value.type = REG_SZ;
        CutText(value.data, bufferSize);
    } else {
        value.data.assign(stored->bytes.begin(), stored->bytes.end());
        value.data.resize(std::min(value.data.size(), bufferSize));
    }
    return value;
}

void Win32Registry::CloseKey(std::uintptr_t key) {
    if (key != 0) {
        ::RegCloseKey(KeyOf(key));
    }
}

}  // namespace zelvo
