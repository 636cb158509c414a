#include "session/session_instance.h"

#include <string_view>

namespace zelvo {
namespace {

constexpr std::string_view kBaseName = "org.zelvo.Zelvo";

// The text as a part of one file name: anything but letters, digits, ".", "_" and "-"
// becomes "_".
std::string FileNamePart(std::string_view text) {
    std::string part;
    for (const char c : text) {
        const bool kept = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                          (c >= '0' && c <= '9') || c == '.' || c == '_' || c == '-';
        part += kept ? c : '_';
    }
    return part;
}

std::string NonEmpty(const Environment& environment, const char* name) {
    return environment(name).value_or("");
}

// "host:display.screen" as one server: "x11-display", or "x11-host-display".
std::string XServerKey(std::string_view display) {
    const std::size_t colon = display.rfind(':');
    if (colon == std::string_view::npos) {
        return "x11-" + FileNamePart(display);
    }
    std::string_view host = display.substr(0, colon);
    std::string_view number = display.substr(colon + 1);
    number = number.substr(0, number.find('.'));
    if (host == "unix") {
        host = {};
    }
    return "x11-" + (host.empty() ? "" : FileNamePart(host) + "-") + FileNamePart(number);
}

}  // namespace

std::string SessionInstanceName(const Environment& environment) {
    std::string name(kBaseName);
    if (const std::string wayland = NonEmpty(environment, "WAYLAND_DISPLAY"); !wayland.empty()) {
        const std::size_t slash = wayland.rfind('/');
        return name + "-" +
               FileNamePart(slash == std::string::npos ? wayland : wayland.substr(slash + 1));
    }
    if (const std::string x = NonEmpty(environment, "DISPLAY"); !x.empty()) {
        return name + "-" + XServerKey(x);
    }
    return name;
}

}  // namespace zelvo
