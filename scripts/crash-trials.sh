#!/usr/bin/env bash
# Kills the program with SIGKILL at random moments while it works, then checks what the next
# start finds:   scripts/crash-trials.sh [TRIALS]   (default 200)
# Each trial runs in a private home: the main window adds pages from files and from SANE's test
# device, turns, crops and moves them, saves the project and opens it again (tests/crash), and is
# killed after a random 0.3-6 s. The next start must find every page file decodable, recover
# every page that was complete with its source, save the recovery, and find the earlier project
# either intact or replaced by a complete one. Prints the totals; fails when a page was lost,
# a file damaged, a recovery unsaveable or a project broken.
# VELLUMO_CRASH_TRIAL names the trial program; otherwise it is built in build-tests.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
trials="${1:-200}"
program="${VELLUMO_CRASH_TRIAL:-}"
if [ -z "$program" ]; then
    build="$root/build-tests"
    [ -f "$build/CMakeCache.txt" ] || cmake -S "$root" -B "$build" -G Ninja >/dev/null
    cmake --build "$build" --target crash_trial >/dev/null
    program="$build/tests/bin/crash_trial"
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
files="$work/files"

use_home() {
    local home="$1"
    rm -rf "$home"
    mkdir -p "$home/.config" "$home/.local/share" "$home/.cache" "$home/.runtime"
    chmod 700 "$home/.runtime"
    export HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
        XDG_CACHE_HOME="$home/.cache" XDG_RUNTIME_DIR="$home/.runtime"
}
export QT_QPA_PLATFORM=offscreen
export SANE_CONFIG_DIR="$root/tests/scan/sane"
# No desktop session and no secrets are reached.
export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-session-bus"

use_home "$work/home"
"$program" prepare "$files"

lost=0 damaged=0 unsaveable=0 broken=0 worst=0
declare -A ends=()
for trial in $(seq 1 "$trials"); do
    use_home "$work/home"
    cp "$files/earlier.vlmpj" "$files/project.vlmpj"
    rm -f "$files/steps.log" "$files/recovered.vlmpj"
    seed=$(( (RANDOM << 15) | RANDOM ))
    delay_ms=$(( 300 + (RANDOM % 5700) ))
    "$program" drive "$files" "$seed" >"$work/drive.log" 2>&1 &
    pid=$!
    sleep "$(printf '%d.%03d' $((delay_ms / 1000)) $((delay_ms % 1000)))"
    if ! kill -9 "$pid" 2>/dev/null; then
        echo "trial $trial: the program ended before the kill" >&2
        tail -5 "$work/drive.log" >&2
        exit 1
    fi
    wait "$pid" 2>/dev/null || true
    line="$("$program" check "$files" 2>"$work/check.log" | tail -1)"
    if [ -z "$line" ]; then
        echo "trial $trial: the check did not finish" >&2
        tail -5 "$work/check.log" >&2
        exit 1
    fi
    eval "$(echo "$line" | tr ' ' '\n' | sed -n 's/^\(lost\|damaged\|unsaveable\|earlier\|recovered\|step\)=/t_\1=/p')"
    lost=$((lost + t_lost))
    damaged=$((damaged + t_damaged))
    unsaveable=$((unsaveable + t_unsaveable))
    [ "$t_earlier" = broken ] && broken=$((broken + 1))
    [ "$t_lost" -gt "$worst" ] && worst=$t_lost
    ends[$t_step]=$(( ${ends[$t_step]:-0} + 1 ))
    if [ "$t_lost" -gt 0 ] || [ "$t_damaged" -gt 0 ] || [ "$t_unsaveable" -gt 0 ] ||
        [ "$t_earlier" = broken ]; then
        echo "trial $trial (seed $seed, killed after $delay_ms ms): $line" >&2
        sed 's/^/    /' "$work/check.log" >&2
    fi
done

echo "kill -9 trials: $trials"
echo "pages lost: $lost (most in one trial: $worst)"
echo "damaged files: $damaged"
echo "unsaveable recoveries: $unsaveable"
echo "broken projects: $broken"
printf 'killed during:'
for step in $(printf '%s\n' "${!ends[@]}" | sort); do
    printf ' %s=%d' "$step" "${ends[$step]}"
done
echo
[ "$lost" -eq 0 ] && [ "$damaged" -eq 0 ] && [ "$unsaveable" -eq 0 ] && [ "$broken" -eq 0 ]
