#!/usr/bin/env bash
# Installs what building and testing need when it is missing (Debian packages).
set -e
need=()
command -v cmake >/dev/null 2>&1 || need+=(cmake)
command -v g++ >/dev/null 2>&1 || need+=(g++)
command -v make >/dev/null 2>&1 || need+=(make)
[ -f /usr/include/gtest/gtest.h ] || need+=(libgtest-dev)
[ -f /usr/include/gmock/gmock.h ] || need+=(libgmock-dev)
# The print-list viewer: cairo with its FreeType faces, the DejaVu fonts it loads by file path, and
# poppler's tools, with which the tests read the PDF back.
command -v pkg-config >/dev/null 2>&1 || need+=(pkg-config)
[ -f /usr/include/cairo/cairo.h ] || need+=(libcairo2-dev)
[ -f /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf ] || need+=(fonts-dejavu-core)
command -v pdftoppm >/dev/null 2>&1 || need+=(poppler-utils)
if [ ${#need[@]} -gt 0 ]; then
  echo "installing: ${need[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${need[@]}"
fi
