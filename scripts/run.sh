#!/usr/bin/env bash
# Installs what is missing, builds and starts the desktop program. Without a
# programming cable attached it also starts the radio emulator (a display
# model with its factory profile) and points the program at it for this run
# only, so Read, Write and Reset work at once; the emulator stops when the
# program exits. Arguments go to the program (e.g. a profile to open).
#
#   RADIO_MODEL=KUR40800 scripts/run.sh     emulate another model
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target velacps velacps-radiosim

bin=build/bin
model="${RADIO_MODEL:-KUD51900}"
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "run.sh: built; the desktop program needs a desktop session (DISPLAY is not set)." >&2
  exit 1
fi

# The programming cable: an FTDI bridge (vendor 0403) whose product string
# names it.
cable_attached() {
  local device product
  for device in /sys/bus/usb/devices/*; do
    [ "$(cat "$device/idVendor" 2>/dev/null)" = 0403 ] || continue
    product="$(cat "$device/product" 2>/dev/null || true)"
    case "$product" in
      "KVX Series CPS Cable" | "LX CPS Cable") return 0 ;;
    esac
  done
  return 1
}

if [ -z "${VELACPS_CABLE_PORT:-}" ] && ! cable_attached; then
  workdir="$(mktemp -d)"
  "$bin/velacps-radiosim" --model "$model" >"$workdir/port" 2>"$workdir/radiosim.log" &
  radiosim=$!
  trap 'kill "$radiosim" 2>/dev/null; wait "$radiosim" 2>/dev/null; rm -rf "$workdir"' EXIT
  for _ in $(seq 50); do
    [ -s "$workdir/port" ] && break
    sleep 0.1
  done
  port="$(head -n 1 "$workdir/port")"
  if [ -z "$port" ]; then
    echo "run.sh: the radio emulator did not start:" >&2
    cat "$workdir/radiosim.log" >&2
    exit 1
  fi
  echo "No programming cable attached: using the emulated radio $model on $port"
  export VELACPS_CABLE_PORT="$port"
  export VELACPS_CABLE_NAME="Emulated radio $model"
fi
"$bin/velacps" "$@"
