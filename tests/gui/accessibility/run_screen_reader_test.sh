#!/bin/sh
# Runs screen_reader_test.py on a virtual X display with its own session
# bus, where the accessibility bus and registry start on demand. Exits 77
# (skipped) when Orca, speech-dispatcher or the accessibility tools are not
# installed.
#   run_screen_reader_test.sh ZEMPROG ZEMTOOL ZEMSIM
here=$(cd "$(dirname "$0")" && pwd)
for tool in xvfb-run dbus-run-session orca speech-dispatcher; do
    command -v "$tool" >/dev/null 2>&1 || { echo "$tool is not installed"; exit 77; }
done
/usr/bin/python3 -c "import pyatspi" 2>/dev/null || { echo "python3-pyatspi is not installed"; exit 77; }
[ -e /usr/libexec/at-spi-bus-launcher ] || [ -e /usr/lib/at-spi2-core/at-spi-bus-launcher ] ||
    { echo "at-spi2-core is not installed"; exit 77; }
[ -e /usr/lib/speech-dispatcher-modules/sd_generic ] || { echo "speech-dispatcher's generic module is missing"; exit 77; }
# A run that ends without the test's own verdict (the display or the bus did
# not come up, Orca did not start: status 3) is tried again, twice at most.
# Orca starts with --replace, so two runs on one machine (two build trees)
# would take each other's place: one run at a time, machine-wide.
if command -v flock >/dev/null 2>&1; then
    exec 9>"${TMPDIR:-/tmp}/zem-screen-reader-test.lock"
    flock 9
fi
log=$(mktemp)
trap 'rm -f "$log"' EXIT
for try in 1 2 3; do
    xvfb-run -a -s "-screen 0 1280x1024x24" \
        dbus-run-session -- /usr/bin/python3 "$here/screen_reader_test.py" "$@" >"$log" 2>&1
    status=$?
    grep -v -e 'keyEventError' -e 'Failed to set fd limit' -e 'QAccessibleTable::indexOfChild' "$log"
    [ "$status" -eq 0 ] && exit 0
    if [ "$status" -ne 3 ] && grep -Eq '^[0-9]+ failure\(s\)$' "$log"; then exit "$status"; fi
    echo "no verdict (status $status); trying again"
done
exit 1
