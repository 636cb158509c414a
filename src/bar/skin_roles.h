#pragma once

#include <array>
#include <string>
#include <string_view>

namespace zelvo {

// The ten pictures of a skin by picture-list slot (1 to 10): file names without ".gif".
inline constexpr std::array<std::string_view, 10> kSkinRoles = {
    "top_modeless", "top_modal", "form",  "mm",   "q",
    "point",        "inch",      "pixel", "twip", "input_field"};

inline constexpr int kSlotTitleNormal = 1;
inline constexpr int kSlotTitleTopmost = 2;
inline constexpr int kSlotFirstSeparator = 3;
inline constexpr int kSlotRightEnd = 9;
inline constexpr int kSlotBackground = 10;

inline constexpr std::string_view kDefaultSkin = "skin_default";

// The file of the picture for `slot` in a skin folder path that ends in "/".
inline std::string SkinFile(const std::string& skinFolder, int slot) {
    return skinFolder + std::string(kSkinRoles.at(static_cast<std::size_t>(slot - 1))) + ".gif";
}

// The folder of the named skin directly under a folder of skins, ending in "/".
inline std::string SkinFolder(const std::string& skinsFolder, const std::string& skinName) {
    return skinsFolder + "/" + skinName + "/";
}

}  // namespace zelvo
