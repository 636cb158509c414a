; Ending a running Zelvo before its files are replaced or removed: the installed
; zelvo.exe --quit hands the running Zelvo the quit request (it writes its settings
; and exits; with none running it does nothing), then the installer waits for that
; process to end. The running Zelvo is found by its control window.

!define ZELVO_CONTROL_WINDOW_CLASS "ZelvoControl"
!define /ifndef SYNCHRONIZE 0x00100000
!define /ifndef WAIT_OBJECT_0 0
!define ZELVO_END_WAIT_MS 20000

!macro ZELVO_END_RUNNING prefix
Function ${prefix}EndRunningZelvo
    IfFileExists "$INSTDIR\zelvo.exe" 0 done
    again:
    StrCpy $1 0
    System::Call 'user32::FindWindowW(w "${ZELVO_CONTROL_WINDOW_CLASS}", p 0) p.r0'
    ${If} $0 P<> 0
        System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r2) i'
        System::Call 'kernel32::OpenProcess(i ${SYNCHRONIZE}, i 0, i r2) p.r1'
    ${EndIf}
    ExecWait '"$INSTDIR\zelvo.exe" --quit'
    ${If} $1 P<> 0
        System::Call 'kernel32::WaitForSingleObject(p r1, i ${ZELVO_END_WAIT_MS}) i.r3'
        System::Call 'kernel32::CloseHandle(p r1)'
        ${If} $3 <> ${WAIT_OBJECT_0}
            MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(ZelvoStillRunning)" /SD IDCANCEL IDRETRY again
            Abort
        ${EndIf}
    ${EndIf}
    done:
FunctionEnd
!macroend

!insertmacro ZELVO_END_RUNNING ""
!insertmacro ZELVO_END_RUNNING "un."
