#include "platform/posix/posix_registry.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace zelvo {
namespace {

constexpr std::uintptr_t kSystemInformationKey = 1;
constexpr std::string_view kSystemInformationKeyName = R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)";

std::string PathVariable() {
    const char* path = std::getenv("PATH");
    return path != nullptr ? path : "/usr/bin:/bin";
}

}  // namespace

PosixRegistry::PosixRegistry(std::vector<std::string> tools, std::string searchPath)
    : tools_(std::move(tools)), searchPath_(std::move(searchPath)) {}

PosixRegistry::PosixRegistry()
    : PosixRegistry({"hardinfo", "kinfocenter", "gnome-system-monitor"}, PathVariable()) {}

std::string PosixRegistry::FindTool() const {
    for (const std::string& tool : tools_) {
        std::istringstream folders(searchPath_);
        std::string folder;
        while (std::getline(folders, folder, ':')) {
            std::string candidate = (folder.empty() ? "." : folder) + "/" + tool;
            if (::access(candidate.c_str(), X_OK) == 0) {
                return candidate;
            }
        }
    }
    return {};
}

std::uintptr_t PosixRegistry::OpenKey(std::uint32_t root, const std::string& key) {
    return root == HKEY_LOCAL_MACHINE && key == kSystemInformationKeyName ? kSystemInformationKey
                                                                          : 0;
}

std::optional<RegistryValue> PosixRegistry::QueryValue(std::uintptr_t key, const std::string& name,
                                                       std::size_t bufferSize) {
    if (key != kSystemInformationKey || name != "PATH") {
        return std::nullopt;
    }
    const std::string tool = FindTool();
    if (tool.empty()) {
        return std::nullopt;
    }
    std::string data = tool + '\0';
    data.resize(std::min(data.size(), bufferSize));
    return RegistryValue{REG_SZ, data};
}

void PosixRegistry::CloseKey(std::uintptr_t /*key*/) {}

}  // namespace zelvo
