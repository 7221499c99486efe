# A private X server for the screenshots and the benchmarks, and a CPU reading of a process.
# shellcheck shell=bash

# start_xserver: starts Xvfb on a free-looking display, exports DISPLAY, sets XSERVER_PID.
# -noreset keeps it up while no client is connected between two program runs.
start_xserver() {
    local display=":$((90 + RANDOM % 100))"
    Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    XSERVER_PID=$!
    for _ in $(seq 100); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.05; done
    export DISPLAY="$display"
}

# cpu_percent PID SECONDS: the share of one core the process used over the next SECONDS.
cpu_percent() {
    local pid="$1" seconds="$2" ticks c0 c1
    ticks=$(getconf CLK_TCK)
    c0=$(awk '{print $14 + $15}' "/proc/$pid/stat")
    sleep "$seconds"
    c1=$(awk '{print $14 + $15}' "/proc/$pid/stat")
    awk -v c="$((c1 - c0))" -v t="$ticks" -v s="$seconds" 'BEGIN {printf "%.3f", 100 * c / t / s}'
}
