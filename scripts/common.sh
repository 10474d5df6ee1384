# Sourced by the scripts of this tree: how a test skips, the virtual display
# and its window manager, and the Data.ini that dayglass starts from.

# Ends the script as skipped (status 77 to ctest), saying why on the line that
# scripts/list-skipped.py reports.
skip() {
    echo "SKIP: $*"
    exit 77
}

require_commands() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null || skip "$tool is not installed"
    done
}

# Usage: require_python_module MODULE DEBIAN_PACKAGE
require_python_module() {
    /usr/bin/python3 -c "import $1" 2>/dev/null || skip "$2 is not installed"
}

# What a screen reader reads needs the accessibility bus and pyatspi.
require_accessibility() {
    require_python_module pyatspi python3-pyatspi
    [ -f /usr/share/dbus-1/services/org.a11y.Bus.service ] ||
        skip "the AT-SPI bus (at-spi2-core) is not installed"
}

# start_virtual_display starts Xvfb on the first free display number, waits
# until it takes connections, and sets DISPLAY and virtual_display (the
# server's process id, for the caller to stop). The display never resets, so
# one program ending cannot turn the next one away.
start_virtual_display() {
    display_file="$(mktemp)"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$display_file" \
        >/dev/null 2>&1 &
    virtual_display=$!
    for _ in $(seq 50); do [ -s "$display_file" ] && break; sleep 0.1; done
    DISPLAY=":$(cat "$display_file")"
    export DISPLAY
    rm -f "$display_file"
}

# start_window_manager starts openbox on DISPLAY, sets window_manager to its
# process id, and returns once it has announced itself on the root window.
start_window_manager() {
    openbox --sm-disable >/dev/null 2>&1 &
    window_manager=$!
    for _ in $(seq 200); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
}

# Writes dayglass's Data.ini: the period from one year, month, day, hour,
# minute and second to the next, and the page it opens on (0 timer, 1 calendar).
# Usage: data_ini Y M D h m s Y M D h m s PAGE >Data.ini
data_ini() {
    for section in Start End; do
        printf '[%s]\r\nYear=%s\r\nMonth=%s\r\nDay=%s\r\nHour=%s\r\nMinute=%s\r\nSecond=%s\r\n' \
            "$section" "$1" "$2" "$3" "$4" "$5" "$6"
        shift 6
    done
    printf '[EntSS]\r\nInf= %s\r\n' "$1"
}
