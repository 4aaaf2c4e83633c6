#!/bin/sh
# wine-run.sh PROGRAM.exe [ARGUMENT...]: runs a Windows program of the build under Wine; the
# windows preset's CMAKE_CROSSCOMPILING_EMULATOR. The build puts the Qt and MinGW DLLs beside
# the programs. The Wine prefix is the build's own (build-windows/wineprefix, or
# TESSARY_WINEPREFIX), never the user's: the tests write to the registry.
# Qt Test writes its plain log to the debugger channel under Wine, so a test program logs to
# a file as well; one that skipped all its tests ends with 77.
set -u
program=$1
shift
bindir=$(cd "$(dirname "$program")" && pwd)
WINEPREFIX=${TESSARY_WINEPREFIX:-$(dirname "$bindir")/wineprefix}
WINEDEBUG=-all
WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEPREFIX WINEDEBUG WINEDLLOVERRIDES
wine=${TESSARY_WINE:-/usr/lib/wine/wine64}
# Qt's offscreen platform takes its fonts from a folder rather than from Windows: the host's.
if [ -z "${QT_QPA_FONTDIR-}" ] && [ -d /usr/share/fonts/truetype/dejavu ]; then
    export QT_QPA_FONTDIR='Z:\usr\share\fonts\truetype\dejavu'
fi
# Wine hides the host's QT_ variables from Windows programs and hands them WINEQT_ ones instead.
for name in $(env | sed -n 's/^\(QT_[A-Za-z0-9_]*\)=.*/\1/p'); do
    export "WINE$name=$(printenv "$name")"
done

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    # Tests start in parallel; one of them makes the prefix.
    flock "$WINEPREFIX/.made-by-wine-run" sh -c '[ -f "$WINEPREFIX/system.reg" ] || "$1" wineboot -i' sh "$wine" \
        >/dev/null 2>&1
fi

# Wine's helper processes (wineserver, services) outlive the program and would hold on to
# its output, making CTest wait for them: the program writes to a file, printed at its end.
output=$(mktemp "${TMPDIR:-/tmp}/wine-run-XXXXXX")
log=$output.log
trap 'rm -f "$output" "$log"' EXIT
if grep -q -a 'Qt6Test.dll' "$program" 2>/dev/null; then
    "$wine" "$program" "$@" -o "Z:$log,txt" >"$output" 2>&1 </dev/null
else
    "$wine" "$program" "$@" >"$output" 2>&1 </dev/null
fi
code=$?
cat "$output"
[ -f "$log" ] && cat "$log"
# A test program that skipped everything it has (its reason is in the log) ends with 77,
# which CTest counts as skipped.
if [ "$code" = 0 ] && grep -q '^Totals: 0 passed, 0 failed, [1-9]' "$log" 2>/dev/null; then
    exit 77
fi
exit $code
