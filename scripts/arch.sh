# Sourced by the build, install, run and test scripts: which Windows the
# programs are built for, and the Wine loader that runs them.
#   LB_ARCH      i686 (32-bit Windows, the programs' own target) or x86_64
#   LB_WINE      the Wine loader for LB_ARCH
# The programs are 32-bit Windows programs. Some hosts run 64-bit user code
# only (a 32-bit execve fails with ENOEXEC), so 32-bit Wine cannot start
# there; on such a host the same sources are built for 64-bit Windows and
# run by 64-bit Wine. LB_ARCH set beforehand wins.

# True when this host starts a 32-bit x86 Linux program: a 93-byte static
# ELF that only calls exit(0).
lb_host_runs_32bit() {
  local probe
  probe=$(mktemp)
  printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08\x5d\x00\x00\x00\x5d\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00\xb8\x01\x00\x00\x00\x31\xdb\xcd\x80' >"$probe"
  chmod +x "$probe"
  local ok=1
  "$probe" 2>/dev/null && ok=0
  rm -f "$probe"
  return $ok
}

if [ -z "${LB_ARCH:-}" ]; then
  if lb_host_runs_32bit; then LB_ARCH=i686; else LB_ARCH=x86_64; fi
fi
export LB_ARCH
case "$LB_ARCH" in
  i686)   export LB_WINE=/usr/lib/wine/wine ;;
  x86_64) export LB_WINE=/usr/lib/wine/wine64 WINELOADER=/usr/lib/wine/wine64 ;;
  *) echo "LB_ARCH must be i686 or x86_64, not '$LB_ARCH'" >&2; return 1 2>/dev/null || exit 1 ;;
esac

# The scripts say wine, wineboot and wineserver; these run the loader of
# LB_ARCH whatever Debian's wrapper would pick, with the address space laid
# out without randomness (the setting goes down to every program Wine starts).
# Debian's 64-bit Wine maps Windows' shared user data page at 0x7ffe0000
# without reserving it first, and Linux starts a program's heap anywhere in
# the gigabyte above the loader (0x7d000000): about 3 starts in 10,000 found
# the heap there and ended before the program's first instruction ("failed
# to map the shared user data: c0000018"; CreateProcess answered
# ERROR_INTERNAL_ERROR). Unrandomized, the heap starts right after the loader.
LB_WINE_COMMAND=(setarch "$(uname -m)" -R "$LB_WINE")
wine() { "${LB_WINE_COMMAND[@]}" "$@"; }
wineboot() { "${LB_WINE_COMMAND[@]}" wineboot "$@"; }
