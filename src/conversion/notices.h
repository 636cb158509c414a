#pragma once

#include <string_view>

namespace zelvo::notice {

inline constexpr std::string_view kEnterNumber = "数値を入力して下さい";
inline constexpr std::string_view kNoNumber = "数値が存在しません";
inline constexpr std::string_view kMalformedExpression =
    "計算対象文字列に誤りがあります｡\r\n計算を実行できません。";
inline constexpr std::string_view kUnknownError =
    "不明なエラーが発生しました。\r\n処理中止します。";

}  // namespace zelvo::notice
