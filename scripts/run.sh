#!/usr/bin/env bash
# Builds Fennick and starts it on the shipped default program folder
# (the build puts the contents of data/ beside the executables).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh" debug
bin="$root/build/debug/bin"
if [ -x "$bin/fennick" ]; then
    exec "$bin/fennick" "$@"
fi
exec "$bin/fennick-cli" --help
