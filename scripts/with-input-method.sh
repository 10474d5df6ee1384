#!/bin/sh
# Runs a command on a virtual desktop (with-desktop.sh) on which the user types
# through ibus with Mozc, switched on in Hiragana, as most Japanese Linux
# desktops are set up: keys reach the program through the input method, which
# composes them into text under conversion before it commits it. Mozc's server
# refuses to run as root, so as root the whole desktop runs as the unprivileged
# user nobody, in a home of its own that is removed afterwards. Exits 77
# (skipped), saying why, when something it needs is missing.
# Usage: with-input-method.sh COMMAND [ARGUMENT...]
set -eu
scripts="$(cd "$(dirname "$0")" && pwd)"
skip() { echo "SKIP: $*"; exit 77; }

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

for tool in ibus-daemon ibus dbus-run-session setpriv; do
    command -v "$tool" >/dev/null || skip "$tool is not installed (packages ibus, dbus, util-linux)"
done
[ -x /usr/lib/ibus-mozc/ibus-engine-mozc ] || skip "Mozc for ibus is not installed (package ibus-mozc)"

if [ "$(id -u)" = 0 ]; then
    home="$(mktemp -d)"
    trap 'rm -rf "$home"' EXIT
    chown nobody: "$home"
    as_nobody() {
        setpriv --reuid=nobody --regid=nogroup --clear-groups \
            env -i PATH="$PATH" HOME="$home" LANG=C.UTF-8 "$@"
    }
    as_nobody test -x "$1" ||
        skip "the user nobody cannot run $1; build in a folder that others may read"
    status=0
    as_nobody sh "$scripts/with-input-method.sh" "$@" || status=$?
    exit "$status"
fi

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
