#!/usr/bin/env bash
# Runs a test program under the accessibility bus, as a screen reader meets
# the program: a virtual screen, a session bus with the accessibility bus on
# it, then the program with accessibility on. Exit 77 (skipped) where the
# packages are missing, except on CI, where that fails.
set -u

if [ "${1:-}" = "--in-session" ]; then
  shift
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  launcher=$!
  # The accessibility bus takes a moment to start; ask until it answers.
  for _ in $(seq 100); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
      org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
    sleep 0.1
  done
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb ZRT_ATSPI_WALK=1 "$@"
  status=$?
  kill "$launcher" 2>/dev/null
  exit $status
fi

missing=()
command -v Xvfb >/dev/null || missing+=(xvfb)
command -v dbus-run-session >/dev/null || missing+=(dbus)
command -v dbus-send >/dev/null || missing+=(dbus)
[ -x /usr/libexec/at-spi-bus-launcher ] || missing+=(at-spi2-core)
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || missing+=(python3-pyatspi)
if [ ${#missing[@]} -gt 0 ]; then
  echo "Not run: ${missing[*]} missing (scripts/deps installs them)."
  [ "${CI:-}" = "true" ] && exit 1
  exit 77
fi

work=$(mktemp -d)
chmod 700 "$work"
mkdir -m 700 "$work/home" "$work/run" "$work/tmp"
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run" TMPDIR="$work/tmp"

# A display of its own, numbered by the server so that parallel runs never meet.
Xvfb -displayfd 3 -screen 0 1400x900x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
if [ ! -s "$work/display" ]; then
  echo "Xvfb did not start:"
  cat "$work/xvfb.log"
  kill "$xvfb" 2>/dev/null
  rm -rf "$work"
  exit 1
fi
export DISPLAY=":$(head -n1 "$work/display")"

dbus-run-session -- "$0" --in-session "$@"
status=$?
kill "$xvfb" 2>/dev/null
wait "$xvfb" 2>/dev/null
rm -rf "$work"
exit $status
