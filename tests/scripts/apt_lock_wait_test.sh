#!/usr/bin/env bash
# Checks that scripts/deps.sh waits for apt's lock a bounded time by the
# clock, however apt behaves while the lock is held, then fails saying why;
# and that a lock freed in time lets it go on. apt, dpkg and the rest are
# stand-ins: nothing is installed. Argument: the source folder.
# shellcheck disable=SC2317 # helpers are called through expect
set -euo pipefail
src=$1
work=$(mktemp -d "${TMPDIR:-/tmp}/qg-apt-test.XXXXXX")
trap 'rm -rf "$work"' EXIT
bound=4

bin=$work/bin
mkdir "$bin"
# apt-get: records each call; while the lock is held, waits on it for the
# DPkg::Lock::Timeout it is given (when FAKE_APT_WAITS=yes, as apt does) and
# fails as apt does. The first FAKE_APT_LOCKED_CALLS calls find it held.
cat > "$bin/apt-get" <<'SH'
#!/usr/bin/env bash
printf '%s\n' "$*" >> "$FAKE_APT_CALLS"
timeout=0 prev=
for a in "$@"; do
  if [ "$prev" = -o ] && [ "${a%%=*}" = DPkg::Lock::Timeout ]; then timeout=${a#*=}; fi
  prev=$a
done
[ "$(wc -l < "$FAKE_APT_CALLS")" -gt "$FAKE_APT_LOCKED_CALLS" ] && exit 0
[ "$FAKE_APT_WAITS" = yes ] && sleep "$timeout"
echo "E: Could not get lock /var/lib/dpkg/lock-frontend. It is held by process 1234 (apt)" >&2
exit 100
SH
# tee: copies late, as it may on a loaded machine; the script must not read
# apt's message before tee has written it.
printf '#!/bin/sh\nsleep 0.5\nexec %q "$@"\n' "$(command -v tee)" > "$bin/tee"
# Nothing is installed; the decimal-comma locale is there.
printf '#!/bin/sh\nexit 1\n' > "$bin/dpkg-query"
printf '#!/bin/sh\nexec "$@"\n' > "$bin/sudo"
printf '#!/bin/sh\necho de_DE.utf8\n' > "$bin/locale"
printf '#!/bin/sh\nexit 0\n' > "$bin/localedef"
chmod +x "$bin"/*

fail=0
expect() { # expect NAME COMMAND...
  if ! "${@:2}"; then
    echo "FAIL: $1"
    printf '%s\n' "$out" | sed 's/^/    /'
    fail=1
  fi
}
has() { grep -qiF -- "$1" <<<"$out"; }
finished() { [ "$status" -ne 124 ] && [ "$status" -ne 137 ]; }
# Every lock timeout apt was given is within the bound, the first one close
# to all of it.
timeouts_within_bound() {
  local t first=
  while read -r t; do
    [[ $t =~ ^[0-9]+$ ]] && [ "$t" -le "$bound" ] || return 1
    first=${first:-$t}
  done < <(grep -oE 'DPkg::Lock::Timeout=[^ ]*' "$calls" | cut -d= -f2)
  [ -n "$first" ] && [ "$first" -ge $((bound - 1)) ]
}

# name | calls that find the lock held | apt waits on it | deps.sh succeeds
cases=(
  "held throughout, apt waits on it|1000|yes|no"
  "held throughout, apt fails at once|1000|no|no"
  "freed after a try that failed at once|1|no|yes"
)
for row in "${cases[@]}"; do
  IFS='|' read -r name locked waits succeeds <<<"$row"
  calls=$work/calls
  : > "$calls"
  status=0
  out=$(timeout -k 5 60 env PATH="$bin:$PATH" QG_APT_LOCK_WAIT=$bound \
        FAKE_APT_CALLS="$calls" FAKE_APT_LOCKED_CALLS="$locked" FAKE_APT_WAITS="$waits" \
        bash "$src/scripts/deps.sh" 2>&1) || status=$?
  expect "$name: finishes within a minute" finished
  expect "$name: apt's lock timeouts stay within the bound" timeouts_within_bound
  if [ "$succeeds" = yes ]; then
    expect "$name: succeeds" [ "$status" -eq 0 ]
    expect "$name: goes on to install" grep -q 'install .*xvfb' "$calls"
  else
    expect "$name: fails" [ "$status" -ne 0 ]
    expect "$name: names the lock" has '/var/lib/dpkg/lock-frontend'
    expect "$name: names the holder" has 'another package manager'
    expect "$name: says when to try again" has 'try again'
    expect "$name: stops at the first apt call" [ "$(grep -c install "$calls")" -eq 0 ]
  fi
done

exit "$fail"
