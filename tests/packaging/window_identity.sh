#!/usr/bin/env bash
# The running window is the one its desktop entry describes, so that a dock or
# task bar shows it with the entry's name and icon: on X11 the window's class is
# the entry's StartupWMClass; on Wayland the window's app id is the entry's name.
# Usage: window_identity.sh x11|wayland PROGRAM DESKTOP_ENTRY
# (x11 runs under an X server, as xvfb-run gives; wayland starts a headless Weston.)
set -euo pipefail
mode=$1 program=$2 entry=$3
scratch=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$scratch"
}
trap cleanup EXIT

# Waits up to 20 s for a command to succeed.
await() {
    for _ in $(seq 200); do "$@" && return 0; sleep 0.1; done
    echo "gave up waiting for: $*" >&2
    return 1
}

case $mode in
x11)
    wanted=$(sed -n 's/^StartupWMClass=//p' "$entry")
    QT_QPA_PLATFORM=xcb "$program" &
    pids+=($!)
    window=$(timeout 20 xdotool search --sync --onlyvisible --pid "${pids[0]}" | head -n 1)
    found=$(xprop -id "$window" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = "[^"]*", "\(.*\)"$/\1/p')
    echo "desktop entry StartupWMClass: $wanted; window: $(xprop -id "$window" WM_CLASS)"
    ;;
wayland)
    wanted=$(basename "$entry" .desktop)
    export XDG_RUNTIME_DIR=$scratch
    chmod 700 "$scratch"
    weston --backend=headless-backend.so --shell=kiosk-shell.so --socket=corvald \
        --idle-time=0 >"$scratch/weston.log" 2>&1 &
    pids+=($!)
    await test -S "$scratch/corvald"
    # The client's own protocol log shows the app id it gives its window.
    WAYLAND_DISPLAY=corvald QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client "$program" \
        2>"$scratch/client.log" &
    pids+=($!)
    await grep -q 'set_app_id' "$scratch/client.log"
    found=$(sed -n 's/.*xdg_toplevel@[0-9]*\.set_app_id("\(.*\)").*/\1/p' "$scratch/client.log" |
        head -n 1)
    echo "desktop entry: $wanted.desktop; window app id: $found"
    ;;
*)
    echo "usage: $0 x11|wayland PROGRAM DESKTOP_ENTRY" >&2
    exit 2
    ;;
esac
[ -n "$wanted" ] && [ "$found" = "$wanted" ]
