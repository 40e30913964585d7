# Sourced by the scripts and the Windows tests that start a program of one width.
# system_folder WIDTH: the Wine prefix's system folder whose programs (regsvr32,
# cscript, cmd, reg) have that width; the 32-bit ones use the 32-bit registry view.
# WIDTH is named as the build (x86_64, i686), the archive (x64, x86) or in bits (64, 32).
system_folder() {
  case $1 in
    x86_64 | x64 | 64) echo 'C:\windows\system32' ;;
    i686 | x86 | 32) echo 'C:\windows\syswow64' ;;
    *) return 1 ;;
  esac
}
