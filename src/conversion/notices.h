#pragma once

#include <string_view>

namespace zelvo::notice {

inline constexpr std::string_view kEnterNumber = "数値を入力して下さい";
inline constexpr std::string_view kNoNumber = "数値が存在しません";
inline constexpr std::string_view kMalformedExpression =
    "計算対象文字列に誤りがあります｡\r\n計算を実行できません。";
inline constexpr std::string_view kUnknownError =
    "不明なエラーが発生しました。\r\n処理中止します。";

// Settings that could not be written at exit, and a hot key that cannot be had.
inline constexpr std::string_view kSettingsNotSaved =
    "設定ファイル(setting.ini)を保存できませんでした。\r\n今回の設定は保存されていません。";
// Followed by the characters setting.ini cannot hold, which it keeps as "?".
inline constexpr std::string_view kSettingsCharactersLost =
    "設定ファイル(setting.ini)に保存できない文字があるため、「?」に置き換えて保存します。\r\n";
inline constexpr std::string_view kAutostartNotChanged =
    "ログイン時に起動する設定を変更できませんでした。";
// Followed by the path of the HTML help.
inline constexpr std::string_view kHelpNotOpened =
    "ヘルプを開けませんでした。\r\nブラウザーで次のファイルを開いてください。\r\n";
// A desktop that keeps global keys to itself and offers no portal for them.
inline constexpr std::string_view kHotKeyNeedsDesktopShortcut =
    "このデスクトップでは、ほかのソフトを使っている間はホットキーが届きません。\r\n"
    "デスクトップのキーボード設定で、ショートカットに「zelvo --toggle」を割り当ててください。\r\n"
    "GNOMEでは「設定」→「キーボード」→「ショートカットの表示とカスタマイズ」→"
    "「カスタムショートカット」→「ショートカットを追加」で、コマンドに「zelvo --toggle」と"
    "入れ、キーを押して追加します。";
// A desktop with neither a tray nor a task bar (GNOME as it comes), where a bar put
// away would be lost from view.
inline constexpr std::string_view kBarKeptShownWithoutTray =
    "このデスクトップにはタスクトレイもタスクバーもないため、"
    "barは隠さずに表示したままにします。\r\n"
    "ほかのウィンドウの後ろになったbarは、アプリ一覧のZelvoのアイコン、コマンド「zelvo --show」、"
    "または「zelvo --toggle」を割り当てたキーボードショートカットで前面に呼び出せます。";
// A desktop that binds the hot key itself and keeps another key for Zelvo (the one it
// was given before, or one the user chose there); the key's name goes between.
inline constexpr std::string_view kHotKeyKeptByDesktop = "デスクトップはZelvoのホットキーとして「";
inline constexpr std::string_view kHotKeyKeptByDesktopEnd =
    "」を割り当てています。\r\n"
    "このキーを変えるには、デスクトップのショートカット設定で「zelvo」の"
    "「barを表示/隠す」のキーを変更してください。";
// A desktop that binds the hot key itself and gave Zelvo no key.
inline constexpr std::string_view kHotKeyNotBoundByDesktop =
    "デスクトップがホットキーを割り当てませんでした。"
    "他のショートカットが同じキーを使用している可能性があります。\r\n"
    "デスクトップのショートカット設定で「zelvo」の「barを表示/隠す」にキーを割り当てるか、"
    "ショートカットに「zelvo --toggle」を割り当ててください。";
inline constexpr std::string_view kHotKeyNotRegistered =
    "ホットキーを登録できませんでした。\r\n他のソフトが同じキーを使用している可能性があります。";

}  // namespace zelvo::notice
