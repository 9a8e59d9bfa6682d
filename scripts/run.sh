#!/usr/bin/env bash
# Installs what is missing, builds Velmora and starts it in the current directory
# (the program directory, where Velmora.INI and update.txt live).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing
build_all
if [ -x "$BUILD/src/gui/velmora" ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
    exec "$BUILD/src/gui/velmora" "$@"
fi
echo "No display found: showing the opening screen with velmora-cli instead."
exec "$BUILD/src/cli/velmora-cli" opening
