#pragma once

#include <array>
#include <string_view>

namespace zelvo::settings_key {

// The key lines of setting.ini, in the order they are written.
inline constexpr std::string_view kText1 = "/text1";
inline constexpr std::string_view kBorderImg = "/BorderImg";
inline constexpr std::string_view kForm = "/form";
inline constexpr std::string_view kBottomImg = "/BottomImg";
inline constexpr std::string_view kTopImg = "/TopImg";
inline constexpr std::string_view kOp1 = "/op1";
inline constexpr std::string_view kUpDown = "/UPDOWN";
inline constexpr std::string_view kCheck1 = "/check1";
inline constexpr std::string_view kCheck2 = "/check2";
inline constexpr std::string_view kShift = "/HotKey(bShift)";
inline constexpr std::string_view kCtrl = "/HotKey(bCtrl)";
inline constexpr std::string_view kAlt = "/HotKey(bAlt)";
inline constexpr std::string_view kChar = "/HotKey(sChar)";
inline constexpr std::string_view kSkinPath = "/SkinPath";

inline constexpr std::array<std::string_view, 14> kAll = {
    kText1,  kBorderImg, kForm,  kBottomImg, kTopImg, kOp1,  kUpDown,
    kCheck1, kCheck2,    kShift, kCtrl,      kAlt,    kChar, kSkinPath};

inline constexpr std::string_view kFileName = "setting.ini";

}  // namespace zelvo::settings_key
