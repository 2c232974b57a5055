#!/bin/sh
# Runs a 64-bit Windows program under Wine for the tests: no display, no
# debug output, the prefix given in WINEPREFIX (see tools/windows-tests.sh).
# setarch -R turns off address-space randomisation, under which Wine now and
# then fails to start a program because its heap landed where Wine needs
# memory.
unset DISPLAY
export WINEDEBUG=-all
exec setarch "$(uname -m)" -R /usr/lib/wine/wine64 "$@"
