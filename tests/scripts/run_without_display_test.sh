#!/usr/bin/env bash
# Checks scripts/run.sh on a machine without a display: it stops before any
# set-up, suggests a command on a virtual X server that passes exactly the
# arguments it was given, and says how to get xvfb-run when it is missing.
# Argument: the source folder.
# shellcheck disable=SC2317 # helpers are called through expect and eval
set -euo pipefail
src=$1
work=$(mktemp -d "${TMPDIR:-/tmp}/qg-run-test.XXXXXX")
trap 'rm -rf "$work"' EXIT

# A checkout of run.sh alone, whose deps.sh only leaves a mark: a run.sh that
# went on to set up would show it and touch nothing.
mkdir -p "$work/tree/scripts"
cp "$src/scripts/run.sh" "$work/tree/scripts/"
cat > "$work/tree/scripts/deps.sh" <<'SH'
touch "$QG_SETUP_MARK"
exit 1
SH
mark=$work/set-up-ran

# Only the tools run.sh needs before it stops, so xvfb-run is missing even
# where it is installed; a second folder adds a stand-in xvfb-run, and one an
# xdpyinfo that finds no X server answering.
mkdir "$work/bin" "$work/xvfb" "$work/dead-x"
for tool in bash dirname cat; do ln -s "$(command -v "$tool")" "$work/bin/$tool"; done
printf '#!/bin/sh\nexit 0\n' > "$work/xvfb/xvfb-run"
printf '#!/bin/sh\nexit 1\n' > "$work/dead-x/xdpyinfo"
chmod +x "$work/xvfb/xvfb-run" "$work/dead-x/xdpyinfo"
bash_path=$(command -v bash)

fail=0
# run_script PATH DISPLAY ARGS...: sets out and status.
run_script() {
  local path=$1 display=$2
  shift 2
  rm -f "$mark"
  status=0
  out=$(cd "$work" && env -u DISPLAY -u WAYLAND_DISPLAY ${display:+DISPLAY=$display} \
        PATH="$path" QG_SETUP_MARK="$mark" "$bash_path" "$work/tree/scripts/run.sh" "$@" 2>&1) ||
    status=$?
}
# expect NAME COMMAND...: the command succeeds; lacks NAME TEXT: out lacks it.
expect() {
  if ! "${@:2}"; then
    echo "FAIL: $1"
    printf '%s\n' "$out" | sed 's/^/    /'
    fail=1
  fi
}
has() { grep -qF -- "$1" <<<"$out"; }
lacks() { ! has "$1"; }

# Both ways of having no display; with and without xvfb-run on PATH.
for display in "" ":99"; do
  for have_xvfb in no yes; do
    path=$work/bin
    [ -z "$display" ] || path=$work/dead-x:$path
    [ "$have_xvfb" = no ] || path=$work/xvfb:$path
    name="DISPLAY='$display', xvfb-run installed: $have_xvfb"
    run_script "$path" "$display" doc.qgd
    expect "$name: exits with an error" [ "$status" -ne 0 ]
    expect "$name: stops before set-up" [ ! -e "$mark" ]
    expect "$name: suggests xvfb-run" has 'xvfb-run -a bash scripts/run.sh doc.qgd'
    if [ "$have_xvfb" = no ]; then
      expect "$name: says how to get xvfb-run" has 'scripts/deps.sh'
    else
      expect "$name: no install hint when xvfb-run is there" lacks 'deps.sh'
    fi
  done
done

# The suggested command, pasted, passes the same arguments: it is run here
# with xvfb-run standing for a function that keeps its arguments. The folder
# holds a file an unquoted * would match.
mkdir "$work/paste"
touch "$work/paste/other.qgd"
cd "$work/paste"
got=()
# shellcheck disable=SC2317 # called from the pasted line
xvfb-run() { got=("$@"); }
same_as_got() {
  [ "${#got[@]}" -eq $# ] && [ "$(printf '<%s>' "${got[@]}")" = "$(printf '<%s>' "$@")" ]
}
# paste_check NAME ARGS...
paste_check() {
  local name=$1 line
  shift
  run_script "$work/bin" "" "$@"
  line=$(grep -F 'xvfb-run -a bash scripts/run.sh' <<<"$out" | head -n 1)
  got=(not run)
  eval "$line" >/dev/null 2>&1 || true
  expect "arguments survive pasting: $name" same_as_got -a bash scripts/run.sh "$@"
}
args=(
  "my doc.qgd"
  "it's.qgd"
  plain.qgd
  ""
  "*.qgd"
  "say \"\$HOME\" \`echo x\` \\ !x"
  "O'Neil \"q\" \$x.qgd"
  "点 图.qgd"
  "--flag=a b"
)
paste_check "none"
for a in "${args[@]}"; do paste_check "$a" "$a"; done
paste_check "all together" "${args[@]}"
run_script "$work/bin" "" plain.qgd
expect "a plain word stays bare" grep -qE 'scripts/run\.sh plain\.qgd$' <<<"$out"

exit "$fail"
