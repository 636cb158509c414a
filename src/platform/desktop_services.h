#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace zelvo {

// Opens a document with the desktop's default action for its kind.
class Shell {
  public:
    virtual ~Shell() = default;
    // False when the desktop could not open it.
    virtual bool OpenDocument(const std::string& path) = 0;
    // Whether the desktop names a program that opens documents of this MIME type.
    virtual bool HasHandlerFor(const std::string& mimeType) = 0;
};

// Starts programs on their own, apart from Zelvo.
class ProcessLauncher {
  public:
    virtual ~ProcessLauncher() = default;
    // Starts the program at `path` with a normal window; false when it could not start.
    virtual bool StartDetached(const std::string& path) = 0;
};

inline constexpr std::uint32_t HKEY_LOCAL_MACHINE = 0x80000002;
inline constexpr std::uint32_t REG_SZ = 1;
inline constexpr std::uint32_t REG_DWORD = 4;

struct RegistryValue {
    std::uint32_t type = 0;
    std::string data;  // the stored bytes, as many as the buffer held
};

// System settings kept by key and value name, where the system information tool
// is found.
class Registry {
  public:
    virtual ~Registry() = default;
    // A handle for the key; 0 when it cannot be opened.
    virtual std::uintptr_t OpenKey(std::uint32_t root, const std::string& key) = 0;
    // The value, cut to `bufferSize` bytes; nullopt when there is none.
    virtual std::optional<RegistryValue> QueryValue(std::uintptr_t key, const std::string& name,
                                                    std::size_t bufferSize) = 0;
    virtual void CloseKey(std::uintptr_t key) = 0;
};

}  // namespace zelvo
