#!/bin/sh
# Builds the Debian package of a release build with cpack and checks that both
# programs in it carry the hardening Debian expects (hardening-check from
# devscripts): position independent, stack protector, stack clash protection,
# fortified sources, full RELRO and immediate binding. Control-flow protection
# is not asked for: Debian 12's start files lack its mark, so no program of it
# carries one.
#
# discgate reads only into buffers whose size the compiler proves, or into
# strings whose size it cannot know, so no call of it needs glibc's checked
# variants, and hardening-check, which looks for those, finds none to count.
# Its fortification is checked in the commands that compiled it instead.
#
# hardening-check knows stack clash protection only by the loop that probes a
# stack allocation whose size is known at run time (alloca, an array of
# variable length). Neither program makes one, so it says "unknown" for both.
# The protection is checked in the commands that compiled them instead, and
# in their code: each frame larger than a page is probed a page at a time
# ("or QWORD PTR [rsp],0x0"), which no program without the protection does.
#
# Neither program may carry a run path: libraries are found where the system
# keeps them, never beside the program or in the current folder.
#
# dayglass opens libical only when it first exchanges notes, so the library is
# not among those it links, and the package must name it itself.
# Usage: hardening-check.sh RELEASE_BUILD_FOLDER
set -eu
. "$(dirname "$0")/../../scripts/common.sh"
require_commands hardening-check objdump
build=$(cd "$1" && pwd)
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
(cd "$build" && cpack -B "$unpacked/package" >/dev/null)
dpkg-deb -x "$unpacked"/package/*.deb "$unpacked/root"
hardening-check --nocfprotection "$unpacked/root/usr/bin/dayglass"
hardening-check --nocfprotection --nofortify "$unpacked/root/usr/bin/discgate"
# Fails unless every source of the program (bin/$1) was compiled with $2.
every_source_with() {
    without=$(ninja -C "$build" -t commands "bin/$1" | grep -e ' -c ' | grep -vc -e "$2" || true)
    if [ "$without" -ne 0 ]; then
        echo "$1: $without sources were compiled without $2" >&2
        exit 1
    fi
    echo "$1: every source compiled with $2"
}
every_source_with discgate _FORTIFY_SOURCE
for program in dayglass discgate; do
    every_source_with "$program" -fstack-clash-protection
    probes=$(objdump -d --no-show-raw-insn -M intel "$unpacked/root/usr/bin/$program" |
        grep -c 'or  *QWORD PTR \[rsp\],0x0' || true)
    if [ "$probes" -eq 0 ]; then
        echo "$program probes no large stack frame" >&2
        exit 1
    fi
    echo "$program: $probes stack probes of frames larger than a page"
done
if readelf -d "$unpacked/root/usr/bin/dayglass" | grep -q 'NEEDED.*libical'; then
    echo "dayglass links libical, which it should open only when asked to" >&2
    exit 1
fi
if ! dpkg-deb -f "$unpacked"/package/*.deb Depends | grep -q 'libical[0-9]'; then
    echo "the package does not depend on libical, which dayglass opens" >&2
    exit 1
fi
echo "dayglass: libical opened when needed, and a dependency of the package"
for program in "$unpacked/root/usr/bin/dayglass" "$unpacked/root/usr/bin/discgate" \
    "$build/bin/dayglass" "$build/bin/discgate"; do
    if readelf -d "$program" | grep -q -e RUNPATH -e RPATH; then
        echo "$program carries a run path: $(readelf -d "$program" | grep PATH)" >&2
        exit 1
    fi
done
echo "neither program carries a run path"
