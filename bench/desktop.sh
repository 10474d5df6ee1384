#!/bin/bash
# Desktop figures of dayglass against a bare Qt window that also updates a
# label every 100 ms (the baseline), and of discgate on the sample medium,
# all on one virtual display in one run:
#   - start to first frame: from the start of the process until the X server
#     maps its window (Qt paints a window as soon as it is exposed), taken by
#     bench/StartProbe.cpp from the server's own events; the fastest start is
#     given beside the median, since the fastest shows the program's own cost
#     and the median also the machine's load;
#   - resident memory two seconds after the start;
#   - CPU time over an idle stretch of ticking.
# Usage: bench/desktop.sh [RUNS] [IDLE_SECONDS]   (defaults: 9 runs, 60 s)
# Needs the bench preset built: cmake --preset bench && cmake --build --preset bench
set -eu
cd "$(dirname "$0")/.."
runs="${1:-9}"
idle="${2:-60}"
bin="$PWD/build-bench/bin"
work="$(mktemp -d)"

. scripts/common.sh
start_virtual_display
trap 'kill $virtual_display 2>/dev/null; rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=xcb

fastest() { sort -n | head -1; }
median() { sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
# Processor time in nanoseconds: /proc/PID/stat counts in 10 ms clock ticks,
# too coarse for the 30 ms or so that a window spends in 20 s of ticking.
cpu_ns() { awk '{ print $1 }' "/proc/$1/schedstat"; }
rss_kib() { awk '/^VmRSS/ { print $2 }' "/proc/$1/status"; }

# Prepares a program folder: dayglass with a running period, as it stands on
# every start after the first, discgate beside the sample medium, the baseline
# on its own. The copies share one neutral name, so that nothing else on the
# machine mistakes them for a running program of its own.
prepare() {
    local name="$1" folder="$work/$1-$2"
    mkdir -p "$folder"
    case "$name" in
    dayglass)
        cp "$bin/dayglass" "$folder/program"
        data_ini 2026 1 1 0 0 0 2030 1 1 0 0 0 0 >"$folder/Data.ini"
        echo "$folder/program" ;;
    discgate)
        cp -r examples/medium/. "$folder/"
        cp "$bin/discgate" "$folder/program"
        echo "$folder/program" ;;
    baseline)
        cp "$bin/baseline_window" "$folder/program"
        echo "$folder/program" ;;
    esac
}


# Starts a program and prints "pid start-ms".
start_program() {
    local ms pid
    read -r ms pid < <("$bin/start_probe" "$(prepare "$1" "$2")")
    echo "$pid $ms"
}

load="$(cut -d' ' -f1-3 /proc/loadavg)"
declare -A startup rss cpu
for run in $(seq "$runs"); do
    # The first start after the previous round's programs have ended waits
    # longest for the X server and the machine, so the two take turns at it.
    order="dayglass baseline"
    [ $((run % 2)) = 0 ] && order="baseline dayglass"
    for name in $order discgate; do
        read -r pid ms < <(start_program "$name" "$run")
        startup[$name]+="$ms "
        sleep 2
        rss[$name]+="$(rss_kib "$pid") "
        if [ "$name" = discgate ]; then kill "$pid"; continue; fi
        eval "pid_$name=$pid"
    done
    # Both tick side by side through the same idle stretch.
    before_d="$(cpu_ns "$pid_dayglass")" before_b="$(cpu_ns "$pid_baseline")"
    sleep "$idle"
    cpu[dayglass]+="$(( ($(cpu_ns "$pid_dayglass") - before_d) / 1000 )) "
    cpu[baseline]+="$(( ($(cpu_ns "$pid_baseline") - before_b) / 1000 )) "
    kill "$pid_dayglass" "$pid_baseline"
    wait "$pid_dayglass" "$pid_baseline" 2>/dev/null || true
done

figure() { echo "${1}" | tr ' ' '\n' | grep . | "${2:-median}"; }
echo "runs: $runs, idle: ${idle} s, $(nproc) cores, $(uname -r), $(date +%F), load before: $load"
printf '| figure | dayglass | baseline | ratio |\n|---|---|---|---|\n'
d="$(figure "${startup[dayglass]}" fastest)"
b="$(figure "${startup[baseline]}" fastest)"
printf '| fastest start to first frame (ms) | %s | %s | %s |\n' "$d" "$b" \
    "$(awk -v d="$d" -v b="$b" 'BEGIN { printf "%.2f", d / b }')"
for metric in startup rss cpu; do
    declare -n values="$metric"
    d="$(figure "${values[dayglass]}")"
    b="$(figure "${values[baseline]}")"
    case "$metric" in
    startup) label="median start to first frame (ms)" ;;
    rss) label="resident memory (KiB)" ;;
    cpu) label="CPU over ${idle} s idle (ms)"
        d="$(awk -v v="$d" 'BEGIN { printf "%.1f", v / 1000 }')"
        b="$(awk -v v="$b" 'BEGIN { printf "%.1f", v / 1000 }')" ;;
    esac
    ratio="$(awk -v d="$d" -v b="$b" 'BEGIN { if (b > 0) printf "%.2f", d / b; else print "-" }')"
    printf '| %s | %s | %s | %s |\n' "$label" "$d" "$b" "$ratio"
done
printf '| discgate start to first frame (ms), fastest and median | %s | %s | |\n' \
    "$(figure "${startup[discgate]}" fastest)" "$(figure "${startup[discgate]}")"
