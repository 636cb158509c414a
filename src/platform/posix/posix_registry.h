#pragma once

#include <string>
#include <vector>

#include "platform/desktop_services.h"

namespace zelvo {

// The registry on a desktop that has none: the key where the system information
// tool is looked up first answers with the first such tool found on the PATH
// (hardinfo, kinfocenter, gnome-system-monitor); every other key is absent.
class PosixRegistry final : public Registry {
  public:
    // `tools`: program names to look for, in order; `searchPath`: as $PATH.
    PosixRegistry(std::vector<std::string> tools, std::string searchPath);
    PosixRegistry();

    std::uintptr_t OpenKey(std::uint32_t root, const std::string& key) override;
    std::optional<RegistryValue> QueryValue(std::uintptr_t key, const std::string& name,
                                            std::size_t bufferSize) override;
    void CloseKey(std::uintptr_t key) override;

  private:
    std::string FindTool() const;

    std::vector<std::string> tools_;
    std::string searchPath_;
};

}  // namespace zelvo
