@echo off
rem Removes the registration install-machine.cmd made (run as administrator):
rem   uninstall-machine.cmd         the DLL of this command prompt's width
rem   uninstall-machine.cmd x86     the 32-bit DLL (VB6, 32-bit Office); x64 the 64-bit one
rem Handed over without call, so register.cmd's exit code is this script's: Wine's
rem cmd loses the exit code of a called script.
"%~dp0register.cmd" uninstall machine %*
