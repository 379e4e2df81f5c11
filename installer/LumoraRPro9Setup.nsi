; The Windows installer of the connector service: LumoraRPro9Setup-<version>-<arch>.exe.
; Built by the Windows build's LumoraRPro9Setup target, which passes
;   -DVERSION=<the programs' file version> -DARCH=x86_64|i686
;   -DSERVICE_EXE=<LumoraRPro9Service.exe> -DOUTFILE=<the setup program>
; so that the installer carries the same version as the program it installs.
;
; The service registers itself (LumoraRPro9Service.exe -install -silent): the
; service's properties, its description and the recorded program directory
; come from the program's own code, not from a second copy kept here.
;
; Silent use, for deployment by script:
;   LumoraRPro9Setup-<version>-<arch>.exe /S [/D=<folder>]
;   Uninstall.exe /S [/REMOVEDATA]
; Exit codes, so that a script can tell what went wrong without a screen:
;   0 done, 1 cancelled, 2 aborted otherwise,
;   3 the service program cannot be written (still in use),
;   4 LumoraRPro9Service.exe -install/-uninstall failed,
;   5 the service was installed but did not start.
; The uninstaller copies itself to the temporary folder and returns at once;
; "Uninstall.exe /S _?=<folder>" runs it in place and waits, but then leaves
; Uninstall.exe behind.

!ifndef VERSION | ARCH | SERVICE_EXE | OUTFILE
  !error "makensis needs -DVERSION=, -DARCH=, -DSERVICE_EXE= and -DOUTFILE="
!endif

; The 64-bit program gets a 64-bit installer: it then sees the 64-bit
; Program Files and registry without redirection, and runs under wine64.
!if ${ARCH} == x86_64
  Target amd64-unicode
  !define PROGRAM_FILES "$PROGRAMFILES64"
!else if ${ARCH} == i686
  Target x86-unicode
  !define PROGRAM_FILES "$PROGRAMFILES"
!else
  !error "ARCH must be x86_64 or i686, not ${ARCH}"
!endif

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include Sections.nsh

!define PRODUCT "Lumora Connector for Retail Pro 9"
!define SERVICE "LumoraRPro9Connector"
!define SERVICE_PROGRAM "LumoraRPro9Service.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${SERVICE}"
; Written by the service at installation; it stays unless data is removed.
!define SERVICE_KEY "SOFTWARE\OrvikSoftware\Lumora\${SERVICE}"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "${PROGRAM_FILES}\Lumora\Connector"
; An update goes where the previous version is.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}"
VIFileVersion "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "Lumora"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Lumora"

!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!define MUI_COMPONENTSPAGE_TEXT_TOP "The configuration, the batches and the logs stay in the program folder unless you tick them; a later installation into the same folder continues with them."
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Both halves need these helpers; the uninstaller's functions must carry
; the "un." prefix, hence one macro for each pair.
!macro LumoraHelpers un
; Pushes 1 when the service control manager knows the service, else 0.
Function ${un}ServiceRegistered
  nsExec::Exec '"$SYSDIR\sc.exe" query ${SERVICE}'
  Pop $0
  ${If} $0 == 0
    Push 1
  ${Else}
    Push 0
  ${EndIf}
FunctionEnd

; Stops the service when it is registered. A service that is not running
; makes net stop fail, which is fine here.
Function ${un}StopService
  Call ${un}ServiceRegistered
  Pop $0
  ${If} $0 == 1
    DetailPrint "Stopping the service ${SERVICE}"
    nsExec::ExecToLog '"$SYSDIR\net.exe" stop ${SERVICE}'
    Pop $0
  ${EndIf}
FunctionEnd

; A stopped service's process may still hold its program file for a moment;
; waits up to 30 s until the file can be written, so that it can be replaced
; or deleted. Pushes 1 when it can (or is absent), else 0.
Function ${un}WaitUntilWritable
  Exch $1
  Push $2
  Push $3
  StrCpy $3 0
  ${Do}
    ${IfNot} ${FileExists} $1
      StrCpy $1 1
      ${Break}
    ${EndIf}
    ClearErrors
    FileOpen $2 $1 a
    ${IfNot} ${Errors}
      FileClose $2
      StrCpy $1 1
      ${Break}
    ${EndIf}
    ${If} $3 >= 30
      StrCpy $1 0
      ${Break}
    ${EndIf}
    IntOp $3 $3 + 1
    Sleep 1000
  ${Loop}
  Pop $3
  Pop $2
  Exch $1
FunctionEnd

; Runs the installed program with the given switches; aborts, naming the
; step, when it ends with another exit code than 0.
Function ${un}RunServiceProgram
  Exch $1
  DetailPrint "Running ${SERVICE_PROGRAM} $1"
  nsExec::ExecToLog '"$INSTDIR\${SERVICE_PROGRAM}" $1'
  Pop $0
  ${If} $0 != 0
    DetailPrint "${SERVICE_PROGRAM} $1 failed with exit code $0"
    MessageBox MB_ICONSTOP|MB_OK "${SERVICE_PROGRAM} $1 failed (exit code $0), so the service ${SERVICE} is not set up as intended.$\r$\n$\r$\nRun the program with the same switches but without -silent from an administrator's command prompt to see the system's error." /SD IDOK
    SetErrorLevel 4
    Abort "${SERVICE_PROGRAM} $1 failed with exit code $0"
  ${EndIf}
  Pop $1
FunctionEnd
!macroend
!insertmacro LumoraHelpers ""
!insertmacro LumoraHelpers "un."

; The program file cannot be written: the store keeps the service it had,
; started again, and the setup ends with exit code 3.
Function AbortProgramFileInUse
  Call ServiceRegistered
  Pop $0
  ${If} $0 == 1
    nsExec::ExecToLog '"$SYSDIR\net.exe" start ${SERVICE}'
    Pop $0
  ${EndIf}
  MessageBox MB_ICONSTOP|MB_OK "$INSTDIR\${SERVICE_PROGRAM} cannot be written; it may be in use by another program. Close it and run the setup again." /SD IDOK
  SetErrorLevel 3
  Abort "$INSTDIR\${SERVICE_PROGRAM} cannot be written"
FunctionEnd

Section "-Connector service"
  ; An update: the running service holds its program file.
  Call StopService
  Push "$INSTDIR\${SERVICE_PROGRAM}"
  Call WaitUntilWritable
  Pop $0
  ${If} $0 != 1
    Call AbortProgramFileInUse
  ${EndIf}

  ; Only the service program: it creates its Batch and logs folders itself,
  ; and the configurator writes the configuration. The demo and test
  ; programs of the build stay out.
  SetOutPath "$INSTDIR"
  ClearErrors
  File "/oname=${SERVICE_PROGRAM}" "${SERVICE_EXE}"
  ; A silent installer skips a file it cannot write: that must not pass for
  ; a successful update.
  ${If} ${Errors}
    Call AbortProgramFileInUse
  ${EndIf}

  ; The uninstaller first, so that a failure below still leaves a way out.
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Lumora"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${SERVICE_PROGRAM}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1

  ; A registration left by an earlier version (maybe from another folder)
  ; would make -install fail: the new program removes it first, so that the
  ; service runs the program just copied.
  Call ServiceRegistered
  Pop $0
  ${If} $0 == 1
    Push "-uninstall -silent"
    Call RunServiceProgram
  ${EndIf}
  Push "-install -silent"
  Call RunServiceProgram

  DetailPrint "Starting the service ${SERVICE}"
  nsExec::ExecToLog '"$SYSDIR\net.exe" start ${SERVICE}'
  Pop $0
  ${If} $0 != 0
    MessageBox MB_ICONSTOP|MB_OK "The service ${SERVICE} is installed but did not start (net start: exit code $0). See the log in $INSTDIR\logs and the application event log." /SD IDOK
    SetErrorLevel 5
    Abort "net start ${SERVICE} failed with exit code $0"
  ${EndIf}
SectionEnd

Section "un.Service and program files" SecUnProgram
  SectionIn RO
  Call un.StopService
  ; A service removed while it still stops stays registered until it has
  ; stopped; its process gone, it has.
  Push "$INSTDIR\${SERVICE_PROGRAM}"
  Call un.WaitUntilWritable
  Pop $0
  Call un.ServiceRegistered
  Pop $0
  ${If} $0 == 1
    ${If} ${FileExists} "$INSTDIR\${SERVICE_PROGRAM}"
      Push "-uninstall -silent"
      Call un.RunServiceProgram
    ${Else}
      ; The program file is gone already: remove the registration directly.
      nsExec::ExecToLog '"$SYSDIR\sc.exe" delete ${SERVICE}'
      Pop $0
    ${EndIf}
  ${EndIf}

  Push "$INSTDIR\${SERVICE_PROGRAM}"
  Call un.WaitUntilWritable
  Pop $0
  ; A file still held is removed at the next restart.
  Delete /REBOOTOK "$INSTDIR\${SERVICE_PROGRAM}"
  Delete "$INSTDIR\Uninstall.exe"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

Section /o "un.Configuration, batches and logs" SecUnData
  ; What the service and the configurator keep in the program folder.
  Delete "$INSTDIR\Lumoraconnector.cfg"
  RMDir /r "$INSTDIR\Batch"
  RMDir /r "$INSTDIR\logs"
  DeleteRegKey HKLM "${SERVICE_KEY}"
  DeleteRegKey /ifempty HKLM "SOFTWARE\OrvikSoftware\Lumora"
  DeleteRegKey /ifempty HKLM "SOFTWARE\OrvikSoftware"
SectionEnd

Section "-un.Program folder"
  ; Only when empty: kept data, or files of the operator's, stay.
  RMDir "$INSTDIR"
  ${GetParent} "$INSTDIR" $0
  ${GetFileName} $0 $1
  ${If} $1 == "Lumora"
    RMDir $0
  ${EndIf}
SectionEnd

LangString DESC_SecUnProgram ${LANG_ENGLISH} "Stops and unregisters the service ${SERVICE} and removes its program files."
LangString DESC_SecUnData ${LANG_ENGLISH} "Also deletes Lumoraconnector.cfg and the Batch and logs folders, and the recorded program folder in the registry."
!insertmacro MUI_UNFUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecUnProgram} $(DESC_SecUnProgram)
  !insertmacro MUI_DESCRIPTION_TEXT ${SecUnData} $(DESC_SecUnData)
!insertmacro MUI_UNFUNCTION_DESCRIPTION_END

; /REMOVEDATA ticks the data box, for silent uninstalls by script.
Function un.onInit
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/REMOVEDATA" $1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${SecUnData}
  ${EndIf}
FunctionEnd
