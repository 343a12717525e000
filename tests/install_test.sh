#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that the program, its
# demo documents, help, README, icon, desktop entry and MIME type land in the
# standard places; then runs the installed program with an installed demo
# document on an X server, checks the title of its main window and that it
# found its files, and closes it. Arguments: the build folder. Needs DISPLAY
# (CTest runs it through tests/run_with_xvfb.sh) and xprop, xwininfo.
set -euo pipefail
build=$1
work=$(mktemp -d "${TMPDIR:-/tmp}/qg-install.XXXXXX")
# Without symbolic links, as the program sees its own path.
work=$(cd "$work" && pwd -P)
prefix=$work/prefix
pid=

# Processes whose command line names this test's folder: the program and
# whatever it started on its files.
own_processes() {
    local p
    for p in /proc/[0-9]*; do
        [ "${p#/proc/}" != "$$" ] || continue
        tr '\0' ' ' 2>/dev/null < "$p/cmdline" | grep -qF -- "$work/" && echo "${p#/proc/}"
    done
    return 0
}

cleanup() {
    set +e
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        kill -KILL "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    fi
    local p
    for p in $(own_processes); do kill -KILL "$p" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

cmake --install "$build" --prefix "$prefix" > /dev/null

fail=0
need() { [ -e "$prefix/$1" ] || { echo "missing: $1"; fail=1; }; }
need bin/kvrm
need share/curvarium/help/index.html
need share/curvarium/README.md
need share/curvarium/samples/2D/点.qgd
need share/curvarium/samples/animation/2.5D/正弦.qgd
need share/icons/hicolor/scalable/apps/curvarium.svg
need share/applications/curvarium.desktop
need share/mime/packages/curvarium-qgd.xml
[ -x "$prefix/bin/kvrm" ] || { echo "bin/kvrm is not executable"; fail=1; }
docs=$(find "$prefix/share/curvarium/samples" -name '*.qgd' | wc -l)
[ "$docs" -eq 60 ] || { echo "demo documents: $docs, not 60"; fail=1; }
grep -q '^Exec=kvrm %f$' "$prefix/share/applications/curvarium.desktop" || { echo "desktop entry Exec"; fail=1; }
grep -q 'glob pattern="\*.qgd"' "$prefix/share/mime/packages/curvarium-qgd.xml" || { echo "MIME glob"; fail=1; }
[ "$fail" -eq 0 ] || exit 1

# ---- the installed program on the X server ----
if [ -z "${DISPLAY:-}" ]; then
    echo "no X server: run this test through tests/run_with_xvfb.sh"
    exit 1
fi
for tool in xprop xwininfo; do
    command -v "$tool" > /dev/null || { echo "$tool (x11-utils) is needed"; exit 1; }
done

# The program's own files (file association, caches) go to this folder.
mkdir -p "$work/data" "$work/config" "$work/cache"
document=$prefix/share/curvarium/samples/2D/点.qgd
XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache \
    "$prefix/bin/kvrm" "$document" > "$work/kvrm.log" 2>&1 &
pid=$!

# The mapped top-level windows of the program: "id type" lines, type NORMAL
# for the main window, DIALOG for a box or dialog.
program_windows() {
    local w
    for w in $(xwininfo -root -children 2>/dev/null | awk '$1 ~ /^0x/ { print $1 }'); do
        xprop -id "$w" _NET_WM_PID 2>/dev/null | grep -qx "_NET_WM_PID(CARDINAL) = $pid" || continue
        xwininfo -id "$w" 2>/dev/null | grep -q 'Map State: IsViewable' || continue
        case $(xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null) in
            *_NET_WM_WINDOW_TYPE_DIALOG*) echo "$w DIALOG" ;;
            *) echo "$w NORMAL" ;;
        esac
    done
    return 0
}
title_of() { LC_ALL=C.UTF-8 xprop -id "$1" -notype _NET_WM_NAME 2>/dev/null || true; }
# A box on screen means the document was not opened as it should be.
no_box() {
    local w type
    while read -r w type; do
        if [ "$type" = DIALOG ]; then
            echo "the program shows a box: $(title_of "$w")"
            return 1
        fi
    done <<< "$(program_windows)"
    return 0
}

main_window=
deadline=$((SECONDS + 60))
while [ -z "$main_window" ]; do
    if ! kill -0 "$pid" 2>/dev/null; then
        echo "kvrm ended before showing its window"
        cat "$work/kvrm.log"
        exit 1
    fi
    no_box || exit 1
    main_window=$(program_windows | awk '$2 == "NORMAL" { print $1; exit }')
    if [ -z "$main_window" ]; then
        [ "$SECONDS" -lt "$deadline" ] || { echo "no main window of kvrm within 60 s"; exit 1; }
        sleep 0.2
    fi
done

title=$(title_of "$main_window")
[ "$title" = '_NET_WM_NAME = "Curvarium"' ] || { echo "main window title: $title"; fail=1; }

# What the program raises after its first drawing would show by now.
sleep 1
no_box || fail=1

# It found its installed files: the document type it registers carries the
# installed program and the installed icon.
entry=$work/data/applications/qgdfile-kvrm.desktop
if [ ! -f "$entry" ]; then
    echo "no file association written"
    fail=1
else
    grep -qxF "Exec=$prefix/bin/kvrm %f" "$entry" || { echo "association Exec:"; cat "$entry"; fail=1; }
    icon=$(sed -n 's/^Icon=//p' "$entry")
    [ -f "$icon" ] && [ "${icon#"$prefix"/}" != "$icon" ] || { echo "association icon: $icon"; fail=1; }
fi

# Close it; nothing of it may stay behind.
kill -TERM "$pid"
for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    echo "kvrm did not end within 10 s"
    exit 1
fi
wait "$pid" 2>/dev/null || true
pid=
left=
for _ in $(seq 1 100); do
    left=$(own_processes)
    [ -n "$left" ] || break
    sleep 0.1
done
if [ -n "$left" ]; then
    echo "processes left behind:"
    for p in $left; do tr '\0' ' ' 2>/dev/null < "/proc/$p/cmdline"; echo; done
    fail=1
fi
exit $fail
