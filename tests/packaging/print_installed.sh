#!/usr/bin/env bash
# Prints from the installed layout: installs the build into a scratch prefix
# outside the build tree, puts the print test beside the installed programs,
# and runs its cases there, so that the window's printer opens the installed
# print module as the packaged program does.
# Usage: print_installed.sh BUILD_DIR PRINT_TEST CASES...
set -euo pipefail
build=$1 test=$2
shift 2
here=$(cd "$(dirname "$0")/../.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cmake --install "$build" --prefix "$scratch/usr" >/dev/null
module=$(find "$scratch/usr/lib" -name corvald_spooler.so)
[ -n "$module" ] || { echo "the install holds no print module" >&2; exit 1; }
if readelf -d "$scratch/usr/bin/corvald" | grep -q 'libcups'; then
    echo "the installed corvald links the spooler library" >&2
    exit 1
fi
cp "$test" "$scratch/usr/bin/"
"$here/scripts/with-window-manager" "$scratch/usr/bin/$(basename "$test")" "$@"
