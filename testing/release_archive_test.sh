#!/usr/bin/env bash
# release_archive_test.sh ARCH ARCHIVE SAMPLE_GAME BUILD_BIN
# The release archive as an operator meets it: unpacked into a clean folder and
# installed over a copy of the sample game (folders merged whatever the case
# of their names, as Windows does), then run in a new Wine prefix: the help of
# hostdeck-cli, a dry-run server launch over the MapList and Modes folders,
# ZARNDetect from the game's maps folder, the pass-through launcher, and the
# packages loaded from the game's system folder as the game loads them, with
# the compiler runtime the archive ships. Nothing but the game's own files
# (stand-ins from BUILD_BIN: the engine libraries and programs) comes from the
# build. Prints one line a check; exits 1 when any failed.
set -u
arch=$1 archive=$2 sample=$3 bin=$4
. "$(dirname "$0")/../scripts/wine-prefix.sh"

failures=0
check() {  # check WHAT COMMAND...: runs COMMAND, reports WHAT
  local what=$1
  shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}
windows_path() { local path=${1//\//\\}; echo "Z:$path"; }

[ -f "$archive" ] || { echo "FAILED: no release archive $archive (build the package target)"; exit 1; }
work=$(mktemp -d "${TMPDIR:-/tmp}/release-archive.XXXXXX")
trap 'wine_down; rm -rf "$work"' EXIT
wine_prefix "$arch" "$work/prefix" || exit 1
wine_up

# run LIMIT PROGRAM ARGS...: the program under Wine, its output in $work/out.
run() {
  local limit=$1
  shift
  timeout -k 5 "$limit" "$wine" "$@" </dev/null >"$work/out" 2>&1
  local status=$?
  tr -d '\r' <"$work/out" >"$work/out.txt"
  [ "$status" = 0 ] || { echo "  exit code $status:"; sed 's/^/  | /' "$work/out.txt"; }
  return "$status"
}
printed() { grep -qF -- "$1" "$work/out.txt" || { echo "  missing: $1"; return 1; }; }

# Merges the tree $1 into $2, matching each name to an existing one ignoring case.
install_into() {
  local from=$1 to=$2 entry name target
  for entry in "$from"/*; do
    name=$(basename "$entry")
    target=$(find "$to" -mindepth 1 -maxdepth 1 -iname "$name" -print -quit)
    [ -n "$target" ] || target="$to/$name"
    if [ -d "$entry" ]; then
      mkdir -p "$target" && install_into "$entry" "$target"
    else
      cp "$entry" "$target"
    fi
  done
}

mkdir -p "$work/unpacked"
(cd "$work/unpacked" && cmake -E tar xf "$archive") || { echo "FAILED: cannot unpack $archive"; exit 1; }
# CPack puts everything into one folder named as the archive.
release=$(find "$work/unpacked" -mindepth 1 -maxdepth 1 -type d -print -quit)
# Where the game is by default: a folder with blanks.
game="$work/Program Files/Halvane/ZARN"
mkdir -p "$(dirname "$game")"
cp -r "$sample" "$game"
install_into "$release" "$game"
system=$(find "$game" -mindepth 1 -maxdepth 1 -iname system -print -quit)
maps=$(find "$game" -mindepth 1 -maxdepth 1 -iname maps -print -quit)

help_lists_commands() { run 60 "$game/hostdeck-cli.exe" --help && printed "hostdeck-cli launch"; }
check "hostdeck-cli.exe --help" help_lists_commands

dry_run_launch() {
  run 60 "$game/hostdeck-cli.exe" path "$(windows_path "$game")" &&
    run 60 "$game/hostdeck-cli.exe" map "Winslow Bank" &&
    run 60 "$game/hostdeck-cli.exe" mode "Team Deathmatch" &&
    run 60 "$game/hostdeck-cli.exe" launch txtAccountName=operator txtAccountPassword=secret \
      --dry-run &&
    printed "\"$(windows_path "$game")\\system\\ucc.exe\" server DM_Banque.unr?" &&
    printed 'Game=ZARNMP.ZARNMPTeamGameInfo' && printed 'GSPassword=***'
}
check "hostdeck-cli.exe dry-run launch of the sample game (map from MapList, mode from Modes)" \
  dry_run_launch

downloads_switched_on() {
  run 60 "$maps/ZARNDetect.exe" &&
    grep -q '^AllowDownloads=True' "$system/ZARN.ini" &&
    grep -q '^AllowDownloads=True' "$system/Default.ini"
}
check "maps/ZARNDetect.exe on the sample installation switches map downloads on" \
  downloads_switched_on

game_gets_its_arguments() {
  cp "$bin/record_args.exe" "$system/ZARN.exe"
  run 60 "$game/ZARN14/ZARN.exe" -windowed "two words" &&
    for _ in $(seq 100); do [ -f "$system/ZARN.exe.args" ] && break; sleep 0.1; done &&
    [ "$(cat "$system/ZARN.exe.args" 2>/dev/null)" = $'-windowed\ntwo words' ]
}
check "ZARN14/ZARN.exe starts the game with its arguments" game_gets_its_arguments

packages_load() {
  cp "$bin/Core.dll" "$bin/Engine.dll" "$bin/ZADPawn.dll" "$bin/cine_scene.exe" "$system/"
  run 120 "$system/cine_scene.exe" "$(windows_path "$system/ZADCine.dll")" \
    "$(windows_path "$work")" "$(windows_path "$system/Zarn.dll")" &&
    printed "Packages loaded: ZADCine and Zarn"
}
check "system/ZADCine.dll and system/Zarn.dll load and play the scene in the game's engine" \
  packages_load

[ "$failures" = 0 ]
