# Sourced by the scripts that run the programs without a display of their own.
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
