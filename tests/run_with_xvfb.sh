#!/usr/bin/env bash
# Runs one test program on an X server of its own, with its own temporary
# and runtime folders, so that GUI tests running side by side never share a
# clipboard, focus or display number. Xvfb picks a free display itself
# (-displayfd) and tells it back; everything is removed afterwards.
set -u

work=$(mktemp -d "${TMPDIR:-/tmp}/qg-test.XXXXXX") || exit 1
xvfb_pid=
cleanup() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

mkdir -m 700 "$work/runtime" "$work/tmp"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
    3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!

display=
for _ in $(seq 1 200); do
    if [ -s "$work/display" ]; then
        display=$(head -n 1 "$work/display")
        [ -n "$display" ] && break
    fi
    if ! kill -0 "$xvfb_pid" 2>/dev/null; then
        break
    fi
    sleep 0.05
done
if [ -z "$display" ]; then
    echo "run_with_xvfb: the X server did not start" >&2
    cat "$work/xvfb.log" >&2
    exit 1
fi

export DISPLAY=":$display"
export TMPDIR="$work/tmp"
export XDG_RUNTIME_DIR="$work/runtime"
export LIBGL_ALWAYS_SOFTWARE="${LIBGL_ALWAYS_SOFTWARE:-1}"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-xcb}"

"$@"
exit $?
