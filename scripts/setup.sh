#!/usr/bin/env bash
# Installs what building and testing need when it is missing (Debian packages).
set -e
need=()
command -v cmake >/dev/null 2>&1 || need+=(cmake)
command -v g++ >/dev/null 2>&1 || need+=(g++)
command -v make >/dev/null 2>&1 || need+=(make)
[ -f /usr/include/gtest/gtest.h ] || need+=(libgtest-dev)
[ -f /usr/include/gmock/gmock.h ] || need+=(libgmock-dev)
command -v pkg-config >/dev/null 2>&1 || need+=(pkg-config)
pkg-config --exists cairo 2>/dev/null || need+=(libcairo2-dev)
# The print-list viewer: the DejaVu fonts it loads by file path, and poppler's tools, with which
# the tests read its PDF back.
[ -f /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf ] || need+=(fonts-dejavu-core)
command -v pdftoppm >/dev/null 2>&1 || need+=(poppler-utils)
# The host stand-in's window: SDL2, and a virtual X server (with xauth, which xvfb-run needs) for the
# test that drives a real window.
pkg-config --exists sdl2 2>/dev/null || need+=(libsdl2-dev)
command -v xvfb-run >/dev/null 2>&1 || need+=(xvfb)
command -v xauth >/dev/null 2>&1 || need+=(xauth)
bash "$(dirname "$0")/install-packages.sh" "${need[@]}"
