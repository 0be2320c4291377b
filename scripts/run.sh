#!/usr/bin/env bash
# Builds Fennick and starts it on the shipped default program folder
# (the build puts the contents of data/ beside the executables).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh" debug
bin="$root/build/debug/bin"
if [ -x "$bin/fennick" ]; then
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "No display found: starting Fennick inside a virtual X server (xvfb-run)." >&2
        exec xvfb-run -a -s "-screen 0 1024x768x24" "$bin/fennick" "$@"
    fi
    exec "$bin/fennick" "$@"
fi
exec "$bin/fennick-cli" --help
