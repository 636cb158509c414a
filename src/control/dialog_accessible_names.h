#pragma once

#include <string_view>

namespace zelvo {

// What a screen reader calls the settings dialog's controls that have no caption of
// their own, in both programs.
inline constexpr std::string_view kDensityBoxName = "ピクセル密度 (ppi)";
inline constexpr std::string_view kDecimalsName = "換算結果の小数点以下の桁数";
inline constexpr std::string_view kDecimalsUpName = "桁数を増やす";
inline constexpr std::string_view kDecimalsDownName = "桁数を減らす";
inline constexpr std::string_view kHotKeyCaptureName = "ホットキー";
inline constexpr std::string_view kSkinListName = "skin選択";

}  // namespace zelvo
