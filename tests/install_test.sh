#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that the program, its
# demo documents, help, README, icon, desktop entry and MIME type land in the
# standard places. Arguments: the build folder.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
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
exit $fail
