#!/bin/sh
# Runs a command on a virtual desktop (with-desktop.sh) on which the user types
# through ibus with Mozc, switched on in Hiragana, as most Japanese Linux
# desktops are set up: keys reach the program through the input method, which
# composes them into text under conversion before it commits it. It all runs
# in a home of its own, removed afterwards, so that the user's own settings
# stay as they are. Mozc's server refuses to run as root, so as root the whole
# desktop runs as the unprivileged user nobody. Exits 77 (skipped), saying why,
# when something it needs is missing.
# Usage: with-input-method.sh COMMAND [ARGUMENT...]
set -eu
scripts="$(cd "$(dirname "$0")" && pwd)"
. "$scripts/common.sh"

if [ "${1:-}" = --inside-desktop ]; then
    shift
    ibus-daemon --daemonize --replace --panel=disable --xim=false
    # The daemon answers once it has written its address for this display.
    for _ in $(seq 100); do ibus list-engine >/dev/null 2>&1 && break; sleep 0.1; done
    # Says it failed while no program has an input context yet, but sets it.
    ibus engine mozc-jp >/dev/null 2>&1 || true
    [ "$(ibus engine 2>/dev/null)" = mozc-jp ] || skip "ibus did not take the Mozc engine"
    status=0
    QT_IM_MODULE=ibus "$@" || status=$?
    ibus exit >/dev/null 2>&1 || true
    exit "$status"
fi

require_commands ibus-daemon ibus dbus-run-session setpriv
[ -x /usr/lib/ibus-mozc/ibus-engine-mozc ] || skip "Mozc for ibus is not installed (package ibus-mozc)"

if [ "${1:-}" != --in-home ]; then
    # Mozc's server outlives the session; it goes with the home.
    home="$(mktemp -d)"
    stop_mozc() {
        for pid in $(pgrep -x mozc_server); do
            grep -qzx "HOME=$home" "/proc/$pid/environ" 2>/dev/null && kill "$pid"
        done
        rm -rf "$home"
    }
    trap stop_mozc EXIT
    mkdir "$home/run"
    program="$1"
    shift
    run_as=""
    if [ "$(id -u)" = 0 ]; then
        # The build may lie where nobody cannot go (below /root), so the
        # program and these scripts run as copies in that home.
        cp "$program" "$scripts/with-input-method.sh" "$scripts/with-desktop.sh" \
            "$scripts/common.sh" "$home/run/"
        program="$home/run/$(basename "$program")"
        chown -R nobody: "$home"
        chmod 755 "$home"
        run_as="setpriv --reuid=nobody --regid=nogroup --clear-groups"
        scripts="$home/run"
    fi
    status=0
    $run_as env -i PATH="$PATH" HOME="$home" LANG=C.UTF-8 \
        sh "$scripts/with-input-method.sh" --in-home "$program" "$@" || status=$?
    exit "$status"
fi
shift

mkdir -p "$HOME/.config/mozc"
cat >"$HOME/.config/mozc/ibus_config.textproto" <<'CONFIG'
engines {
  name : "mozc-jp"
  longname : "Mozc"
  layout : "default"
  layout_variant : ""
  layout_option : ""
  rank : 80
}
active_on_launch: True
CONFIG
exec dbus-run-session -- sh "$scripts/with-desktop.sh" sh "$scripts/with-input-method.sh" \
    --inside-desktop "$@"
