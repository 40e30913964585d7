@echo off
rem Registers or unregisters ZelvaneTextBox.dll with regsvr32, for the current user
rem or for every user; install-user.cmd and the three scripts beside it call it:
rem   register.cmd install or uninstall, user or machine, then x86 or x64
rem Without x86 or x64 it takes the width of the command prompt it runs in.
rem Exit codes: 0 done, 1 wrong argument, 2 DLL missing, 3 regsvr32 failed.
setlocal EnableExtensions DisableDelayedExpansion
rem Every comparison is if /i: Wine's cmd rejects an if /i nested in a plain if.
set "action=%~1"
set "scope=%~2"
set "width=%~3"
set "status=1"
set "script=%~nx0 install or uninstall, user or machine,"
if /i not "%action%"=="install" if /i not "%action%"=="uninstall" goto usage
if /i not "%scope%"=="user" if /i not "%scope%"=="machine" goto usage
set "script=%action%-%scope%.cmd"
if /i not "%~4"=="" goto usage
rem A 32-bit command prompt on 64-bit Windows says x86 here, like the programs it starts.
if not defined width if /i "%PROCESSOR_ARCHITECTURE%"=="x86" set "width=x86"
if not defined width if /i "%PROCESSOR_ARCHITECTURE%"=="AMD64" set "width=x64"
if /i "%width%"=="x86" set "width=x86"
if /i "%width%"=="x64" set "width=x64"
if /i not "%width%"=="x86" if /i not "%width%"=="x64" goto usage

set "dll=%~dp0%width%\ZelvaneTextBox.dll"
if not exist "%dll%" goto no_dll

rem Each width has its own regsvr32; a 32-bit prompt reaches the 64-bit one through Sysnative.
set "regsvr32=%SystemRoot%\System32\regsvr32.exe"
if /i "%width%"=="x86" if exist "%SystemRoot%\SysWOW64\regsvr32.exe" set "regsvr32=%SystemRoot%\SysWOW64\regsvr32.exe"
if /i "%width%"=="x64" if exist "%SystemRoot%\Sysnative\regsvr32.exe" set "regsvr32=%SystemRoot%\Sysnative\regsvr32.exe"
rem Only 32-bit Windows has x86 here without the 64-bit name in PROCESSOR_ARCHITEW6432.
if /i "%width%"=="x64" if /i "%PROCESSOR_ARCHITECTURE%%PROCESSOR_ARCHITEW6432%"=="x86" goto no_x64

set "flags=/s"
if /i "%action%"=="uninstall" set "flags=/s /u"
if /i "%scope%"=="user" set "flags=%flags% /n /i:user"
set "whom=for every user of this computer"
if /i "%scope%"=="user" set "whom=for the current user"

rem With /s regsvr32 shows no message box; its exit code is all it tells.
"%regsvr32%" %flags% "%dll%"
set "code=%errorlevel%"
if /i not "%code%"=="0" goto failed
set "status=0"
if /i "%action%"=="uninstall" goto removed
echo ZelvaneTextBox %width% is registered %whom%: "%dll%"
goto finish

:removed
echo ZelvaneTextBox %width% is no longer registered %whom%.
echo The lists the control saved are kept: README.txt says how to remove them.
goto finish

:usage
>&2 echo ZelvaneTextBox: usage: %script% x86 or x64
>&2 echo x86 for 32-bit programs such as VB6 and 32-bit Office, x64 for 64-bit programs;
>&2 echo without either, the width of this command prompt.
goto finish

:no_dll
set "status=2"
>&2 echo ZelvaneTextBox: %width%\ZelvaneTextBox.dll was not found beside %script% in "%~dp0".
>&2 echo Run %script% from the unpacked ZelvaneTextBox folder.
goto finish

:no_x64
>&2 echo ZelvaneTextBox: this Windows is 32-bit and cannot load the x64 DLL; use x86.
goto finish

:failed
set "status=3"
if /i "%code%"=="3" goto failed_load
if /i "%code%"=="4" goto failed_entry
if /i "%scope%"=="machine" if /i "%code%"=="5" goto failed_admin
>&2 echo ZelvaneTextBox: regsvr32 %flags% failed with exit code %code% for "%dll%".
goto finish

:failed_load
>&2 echo ZelvaneTextBox: Windows could not load "%dll%":
>&2 echo the file is damaged, or this Windows cannot load %width% DLLs.
goto finish

:failed_entry
>&2 echo ZelvaneTextBox: "%dll%" has no registration entry point:
>&2 echo it is not the ZelvaneTextBox.dll of this package.
goto finish

:failed_admin
>&2 echo ZelvaneTextBox: the registry refused the change %whom%.
>&2 echo Run %script% from a command prompt opened with "Run as administrator",
>&2 echo or register for yourself only with %action%-user.cmd.
goto finish

:finish
exit /b %status%
