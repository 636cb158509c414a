#pragma once

#include "platform/desktop_services.h"

namespace zelvo {

// The system registry, read only. Keys are opened for reading under the root the
// models name by its number (HKEY_LOCAL_MACHINE 0x80000002 and the other predefined
// keys). Text values (REG_SZ, and REG_EXPAND_SZ with its variables filled in, which
// then counts as REG_SZ) come as UTF-8 with the NUL they were stored with; other
// values as their stored bytes, a REG_DWORD as its four bytes, least significant first.
class Win32Registry final : public Registry {
  public:
    std::uintptr_t OpenKey(std::uint32_t root, const std::string& key) override;
    // The value cut to `bufferSize` bytes, text at a whole character.
    std::optional<RegistryValue> QueryValue(std::uintptr_t key, const std::string& name,
                                            std::size_t bufferSize) override;
    void CloseKey(std::uintptr_t key) override;
};

}  // namespace zelvo
