#!/usr/bin/env bash
# Fails when a source file includes a folder above its own layer, or a dialog
# folder beside its own.
# Usage: check_layers.sh <source dir>
set -euo pipefail
cd "${1:?usage: check_layers.sh <source dir>}"

grep -rE --include='*.cpp' --include='*.h' '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"]*/' \
    platform expr model sampling view draw io dialogs app |
awk '
BEGIN {
    # Layers from the bottom; a file may include its own layer and those
    # below. The dialogs shared helpers sit below the other dialog folders.
    n = split("platform expr model sampling view draw io dialogs/common dialogs/* app", names, " ")
    for (i = 1; i <= n; i++) rank[names[i]] = i
}
function layer(path,    parts) {
    split(path, parts, "/")
    if (parts[1] == "dialogs") return parts[2] == "common" ? rank["dialogs/common"] : rank["dialogs/*"]
    return (parts[1] in rank) ? rank[parts[1]] : 0
}
{
    file = substr($0, 1, index($0, ":") - 1)
    match($0, /"[^"]*"/)
    inc = substr($0, RSTART + 1, RLENGTH - 2)
    if (layer(inc) > layer(file)) {
        print file " includes " inc " from a layer above its own"
        bad = 1
    }
    # The graph, figure and view dialogs stand side by side: what two of
    # them share lives in dialogs/common.
    split(file, f, "/"); split(inc, g, "/")
    if (f[1] == "dialogs" && g[1] == "dialogs" && f[2] != "common" && g[2] != "common" && f[2] != g[2]) {
        print file " includes " inc " from a dialog folder beside its own"
        bad = 1
    }
}
END { exit bad }'
