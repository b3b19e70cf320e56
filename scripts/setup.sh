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
bash "$(dirname "$0")/install-packages.sh" "${need[@]}"
