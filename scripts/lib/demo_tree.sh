# A made-up machine for the demo, the screenshots and the benchmarks: a phonebook of three pppd
# peers, a serial modem, and on request a "dialled" connection whose counters grow every second.
# The connection's pppd is a placeholder process started here (perl renamed "pppd call NAME"), so
# a hang-up from the program ends that placeholder and nothing else.
# shellcheck shell=bash

# In the phonebook's own order, as a calibration would take them.
DEMO_ENTRIES=("Домашний интернет" "МТС" "Ростелеком")

# demo_tree ROOT: the phonebook, the modem, and two network cards beside the loopback interface.
demo_tree() {
    local root="$1" entry
    mkdir -p "$root/etc/ppp/peers" "$root/sys/class/tty/ttyS0" "$root/sys/class/net" "$root/run/udev/data"
    echo 4 > "$root/sys/class/tty/ttyS0/type"
    for entry in "${DEMO_ENTRIES[@]}"; do
        printf '/dev/ttyS0\n115200\nconnect "/usr/sbin/chat -v -f /etc/chatscripts/provider"\nnoauth\n' \
            > "$root/etc/ppp/peers/$entry"
    done
    demo_card "$root" lo 1 772 "" 0 48213 48213
    demo_card "$root" eth0 2 1 "Intel Corporation|I211 Gigabit Network Connection" 1000 1873264011 212763180
    demo_card "$root" wlp2s0 3 1 "Realtek Semiconductor Co., Ltd.|RTL8821CE 802.11ac PCIe Wireless Network Adapter" \
        -1 73400320 9437184
}

# demo_card ROOT NAME IFINDEX TYPE "VENDOR|MODEL" SPEED RX TX: an interface in sysfs and udev.
demo_card() {
    local root="$1" dev="$1/sys/class/net/$2"
    mkdir -p "$dev/statistics"
    echo "$3" > "$dev/ifindex"
    echo "$4" > "$dev/type"
    echo 0x1003 > "$dev/flags"
    echo "$6" > "$dev/speed"
    echo "$7" > "$dev/statistics/rx_bytes"
    echo "$8" > "$dev/statistics/tx_bytes"
    if [[ -n "$5" ]]; then
        mkdir -p "$dev/device"
        printf 'E:ID_VENDOR_FROM_DATABASE=%s\nE:ID_MODEL_FROM_DATABASE=%s\n' "${5%%|*}" "${5#*|}" \
            > "$root/run/udev/data/n$3"
    fi
}

# demo_dial ROOT ENTRY: brings ppp0 up for ENTRY; sets DEMO_PPPD and DEMO_COUNTER (their pids).
demo_dial() {
    local root="$1" entry="$2" dev="$1/sys/class/net/ppp0"
    perl -e '$0 = "pppd call " . $ARGV[0]; sleep 100000' "$entry" &
    DEMO_PPPD=$!
    mkdir -p "$dev/statistics" "$root/proc/$DEMO_PPPD"
    echo 512 > "$dev/type"
    echo 0x1091 > "$dev/flags"
    echo 0 > "$dev/statistics/rx_bytes"
    echo 0 > "$dev/statistics/tx_bytes"
    printf 'pppd call %s' "$entry" > "$root/proc/$DEMO_PPPD/cmdline"
    printf '%s\nppp0\n' "$DEMO_PPPD" > "$root/run/ppp0.pid"
    # Traffic every second while the placeholder lives; the link goes when it ends.
    (
        local rx=0 tx=0
        while kill -0 "$DEMO_PPPD" 2>/dev/null; do
            rx=$((rx + 4000 + RANDOM)); tx=$((tx + 500 + RANDOM / 8))
            echo "$rx" > "$dev/statistics/rx_bytes"
            echo "$tx" > "$dev/statistics/tx_bytes"
            sleep 1
        done
        rm -rf "$dev" "$root/run/ppp0.pid"
    ) &
    DEMO_COUNTER=$!
}

# demo_hang_up: ends the placeholder, as the program's own hang-up would.
demo_hang_up() {
    kill -TERM "$DEMO_PPPD" 2>/dev/null || true
    wait "$DEMO_COUNTER" 2>/dev/null || true
}
