#!/bin/sh
# corvald-calc as scripts use it: JSON into jq, a full disk, a line of thirty
# million commas under a memory limit (KiB; "none" for a sanitized build, whose
# shadow memory alone exceeds any such limit).
#
#     in_a_shell.sh PROGRAM LIMIT
set -u
calc=$1
limit=$2
failed=0
fail() { echo "FAIL: $*"; failed=1; }

for args in "--quantity 850 --temperature 20.0 --density 0.8500 --from mt" \
    "--quantity 123456.789 --temperature -18.0 --density 1.0749 --basis air"; do
    # shellcheck disable=SC2086
    value=$("$calc" --json $args | jq -e '.volume_15 + .result') || fail "jq on $args"
    [ "${value%%.*}" -gt 1000 ] 2>/dev/null || fail "jq read $value from $args"
done

message=$("$calc" --quantity 1000 --temperature 20.0 --density 0.8500 2>&1 >/dev/full)
status=$?
[ $status -ne 0 ] || fail "a write to /dev/full exited 0"
case $message in
"corvald-calc: write error"*) ;;
*) fail "a write to /dev/full said: $message" ;;
esac

output=$( ([ "$limit" = none ] || ulimit -v "$limit"
    { echo quantity,temperature,density
        head -c 30000000 /dev/zero | tr '\0' ','
        echo
        echo 1000,20.0,0.8500
    } | "$calc" --csv) 2>&1)
status=$?
[ $status -eq 1 ] || fail "the long line ended with status $status: $output"
case $output in
*"row error: line 2: 30000001 fields"*"1000,20.0,0.8500,m3,vacuum,0.8489,0.9957,995.700,846.345,") ;;
*) fail "the long line gave: $(echo "$output" | cut -c1-200)" ;;
esac
exit $failed
