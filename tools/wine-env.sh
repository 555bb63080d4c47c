#!/bin/bash
# The Wine desktop that `make run`, the tests and the benchmarks share: one prefix per build
# tree, a virtual desktop named "shell" (taskbar, Start button, notification area), on Xvfb
# when there is no display to use.
#
#   wine-env.sh arch                     which Windows code this machine's Wine runs: i686 or x86_64
#   wine-env.sh start DIR [--headless]   make the prefix if needed, start the display, wineserver
#                                        and the desktop; --headless always uses a private Xvfb
#   wine-env.sh exec DIR PROGRAM [ARG...] run a Windows program in that desktop, return its code
#   wine-env.sh stop DIR                 stop the desktop, wineserver and our Xvfb
#   wine-env.sh run DIR PROGRAM [ARG...]  exec in a desktop of its own: start it headless,
#                                        run the program, stop it; return the program's code
#   wine-env.sh env DIR                  print the environment, for use with eval
set -euo pipefail

readonly LIBWINE=/usr/lib/wine
readonly SCREEN=1024x768

# 32-bit Windows code needs the kernel's IA-32 emulation; some kernels boot with it off, and
# then only 64-bit builds can be tested.
detect_arch() {
    if [ -x "$LIBWINE/wine" ] && "$LIBWINE/wine" --version >/dev/null 2>&1; then
        echo i686
    else
        echo x86_64
    fi
}

loader_for() { if [ "$1" = i686 ]; then echo "$LIBWINE/wine"; else echo "$LIBWINE/wine64"; fi; }

server_binary() {
    if [ -x "$LIBWINE/wineserver64" ]; then echo "$LIBWINE/wineserver64"; else echo "$LIBWINE/wineserver32"; fi
}

# DIR/arch records the build tree's architecture; it is written by CMake at configure time.
setup_env() {
    local dir=$1
    [ -d "$dir" ] || { echo "wine-env: no such directory: $dir" >&2; exit 2; }
    local arch
    arch=$(cat "$dir/arch" 2>/dev/null || detect_arch)
    export WINEPREFIX="$dir/prefix"
    export WINEARCH=win32
    [ "$arch" = x86_64 ] && WINEARCH=win64
    export WINELOADER_PATH
    WINELOADER_PATH=$(loader_for "$arch")
    export WINESERVER
    WINESERVER=$(server_binary)
    export WINEDEBUG=${QUILLET_WINEDEBUG:--all}
    # No Mono or Gecko: nothing here needs them and their installers would ask questions. No
    # menu builder: shortcuts made in a prefix stay there, out of the desktop's menus.
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    if [ -f "$dir/display" ]; then
        DISPLAY=$(cat "$dir/display")
        export DISPLAY
    fi
}

wine_run() { "$WINELOADER_PATH" "$@"; }

make_prefix() {
    local dir=$1
    [ -f "$WINEPREFIX/.quillet-ready-6" ] && return 0
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    echo "wine-env: creating a $WINEARCH prefix in $WINEPREFIX"
    DISPLAY='' wine_run wineboot -i >/dev/null 2>&1 || true
    wine_run reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d shell /f >/dev/null 2>&1
    wine_run reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d "$SCREEN" /f >/dev/null 2>&1
    # A program that crashes ends at once instead of waiting in the debugger: the debugger
    # named here does not exist.
    for key in 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
        'HKLM\Software\Wow6432Node\Microsoft\Windows NT\CurrentVersion\AeDebug'; do
        wine_run reg add "$key" /v Debugger /d quillet-no-debugger /f >/dev/null 2>&1 || true
    done
    # Wine's own fonts (Debian's fonts-wine) where this Wine looks for them: Marlett for the
    # caption buttons, and the raster MS Sans Serif, whose sizes and widths are Windows 95's.
    cp /usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/*.fon "$WINEPREFIX/drive_c/windows/Fonts/" \
        2>/dev/null || true
    "$WINESERVER" -w
    touch "$WINEPREFIX/.quillet-ready-6"
}

start_xvfb() {
    local dir=$1
    local numberfile="$dir/xvfb.display"
    rm -f "$numberfile"
    Xvfb -displayfd 5 -screen 0 "${SCREEN}x24" -nolisten tcp -noreset 5>"$numberfile" >/dev/null 2>&1 &
    echo $! >"$dir/xvfb.pid"
    local n=""
    for _ in $(seq 100); do
        n=$(head -n1 "$numberfile" 2>/dev/null || true)
        [ -n "$n" ] && break
        sleep 0.05
    done
    [ -n "$n" ] || { echo "wine-env: Xvfb did not start" >&2; exit 1; }
    echo ":$n" >"$dir/display"
}

# Waits for the taskbar, then keeps one program running: Wine closes a desktop whose last
# program has ended, and a test starting just then would find no taskbar.
wait_for_taskbar() {
    local dir=$1 probe="$dir/../bin/q99probe.exe"
    if [ -f "$probe" ]; then
        wine_run "$probe" wait-taskbar 30000 >/dev/null || return 1
        setsid "$WINELOADER_PATH" "$probe" hold &
    else
        sleep 3
    fi
}

start_session() {
    local dir=$1 headless=$2
    if [ "$headless" = --headless ] || [ -z "${DISPLAY:-}" ]; then
        start_xvfb "$dir"
    else
        echo "$DISPLAY" >"$dir/display"
    fi
    setup_env "$dir"
    make_prefix "$dir"
    "$WINESERVER" -p
    # The desktop process: keeps the taskbar and the notification area for every program.
    setsid "$WINELOADER_PATH" explorer.exe "/desktop=shell,$SCREEN" &
    wait_for_taskbar "$dir" || { echo "wine-env: the desktop's taskbar did not appear"; return 1; }
}

cmd_start() {
    local dir=$1 headless=${2:-}
    mkdir -p "$dir"
    cmd_stop "$dir"
    # Wine's background processes inherit our descriptors: give them a log file, so that
    # whoever waits for our output (CTest, make) does not wait for them.
    if ! (start_session "$dir" "$headless") </dev/null >"$dir/start.log" 2>&1; then
        cat "$dir/start.log" >&2
        exit 1
    fi
}

cmd_stop() {
    local dir=$1
    [ -d "$dir" ] || return 0
    setup_env "$dir"
    "$WINESERVER" -k >/dev/null 2>&1 || true
    "$WINESERVER" -w >/dev/null 2>&1 || true
    if [ -f "$dir/xvfb.pid" ]; then
        kill "$(cat "$dir/xvfb.pid")" 2>/dev/null || true
        rm -f "$dir/xvfb.pid"
    fi
    rm -f "$dir/display" "$dir/xvfb.display"
}

cmd_exec() {
    local dir=$1
    shift
    setup_env "$dir"
    exec "$WINELOADER_PATH" "$@"
}

cmd_run() {
    local dir=$1 code=0
    shift
    if (cmd_start "$dir" --headless); then
        (cmd_exec "$dir" "$@") || code=$?
    else
        code=1
    fi
    cmd_stop "$dir"
    return $code
}

cmd_env() {
    setup_env "$1"
    echo "export WINEPREFIX='$WINEPREFIX' WINEARCH='$WINEARCH' WINESERVER='$WINESERVER'"
    echo "export WINEDEBUG='$WINEDEBUG' WINEDLLOVERRIDES='$WINEDLLOVERRIDES' DISPLAY='${DISPLAY:-}'"
    echo "export WINELOADER_PATH='$WINELOADER_PATH'"
}

command=${1:-}
[ $# -ge 2 ] && dir=$(realpath -m "$2")
case "$command" in
arch) detect_arch ;;
start) cmd_start "$dir" "${3:-}" ;;
stop) cmd_stop "$dir" ;;
exec) shift 2; cmd_exec "$dir" "$@" ;;
run) shift 2; cmd_run "$dir" "$@" ;;
env) cmd_env "$dir" ;;
*) sed -n '2,15p' "$0" >&2; exit 2 ;;
esac
