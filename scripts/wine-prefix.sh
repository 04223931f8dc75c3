# Sourced by the scripts that run the Windows builds' programs under Wine.
#
# wine_prefix ARCH PREFIX: sets up Wine for a program of the build of that
# architecture (win32 or win64) in a prefix of the build's own, never the
# user's, and makes the prefix when it is new. Sets WINEPREFIX, WINEARCH,
# $wine and $wineserver; returns non-zero when this Wine cannot run ARCH.
# A win32 prefix is a plain 32-bit Windows, as the game's machines are; a
# win64 prefix is 64-bit Windows (with its 32-bit side where Debian's wine32
# is installed).
#
# wine_up: keeps the prefix's wineserver and Wine's services running, started
# with our output closed, for a series of runs; otherwise each run starts the
# services afresh and they hold the caller's output open after it ended.
# wine_down: ends the prefix's wineserver and everything still running in it.
wine_prefix() {
  case $1 in
    win32) wine=/usr/lib/wine/wine ;;
    win64) wine=/usr/lib/wine/wine64 ;;
    *) echo "wine_prefix: unknown architecture '$1'" >&2; return 2 ;;
  esac
  wineserver=/usr/lib/wine/wineserver
  export WINEARCH=$1 WINEPREFIX=$2
  export WINEDEBUG="${WINEDEBUG:--all}"
  export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
  [ -x "$wine" ] || { echo "wine_prefix: no $wine (Debian's wine32 or wine64)" >&2; return 1; }
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    "$wine" wineboot -i </dev/null >/dev/null 2>&1
    "$wineserver" -w  # the registry is written when the server ends
    [ -f "$WINEPREFIX/system.reg" ] || { echo "wine_prefix: $wine cannot make $WINEPREFIX" >&2; return 1; }
  fi
}

wine_up() {
  "$wineserver" -p </dev/null >/dev/null 2>&1
  "$wine" wineboot </dev/null >/dev/null 2>&1
}

wine_down() {
  "$wineserver" -k </dev/null >/dev/null 2>&1
  "$wineserver" -w </dev/null >/dev/null 2>&1
}
