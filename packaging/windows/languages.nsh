; The installer's own texts, in English and Japanese (MUI's pages bring theirs).

LangString LoginStartTitle ${LANG_ENGLISH} "Start at login"
LangString LoginStartTitle ${LANG_JAPANESE} "ログイン時の起動"
LangString LoginStartSubtitle ${LANG_ENGLISH} "Choose whether Zelvo starts when you log in to Windows."
LangString LoginStartSubtitle ${LANG_JAPANESE} "Windows へのログイン時に Zelvo を起動するかどうかを選びます。"
LangString LoginStartBox ${LANG_ENGLISH} "&Start Zelvo when I log in"
LangString LoginStartBox ${LANG_JAPANESE} "ログイン時に Zelvo を起動する(&S)"
LangString LoginStartNote ${LANG_ENGLISH} "You can change this later with ログイン時に起動 in Zelvo's settings (環境設定)."
LangString LoginStartNote ${LANG_JAPANESE} "あとから Zelvo の「環境設定」の「ログイン時に起動」でも変更できます。"

LangString ShortcutComment ${LANG_ENGLISH} "Converts a length between units"
LangString ShortcutComment ${LANG_JAPANESE} "長さの単位を換算します"

LangString ZelvoStillRunning ${LANG_ENGLISH} "Zelvo is still running. End it with ソフトの終了 in its tray icon's menu, then choose Retry."
LangString ZelvoStillRunning ${LANG_JAPANESE} "Zelvo が終了しません。トレイアイコンのメニューの「ソフトの終了」で Zelvo を終了してから、「再試行」を押してください。"
