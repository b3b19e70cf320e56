#!/usr/bin/env bash
# Installs the named Debian packages with apt-get (through sudo when not root); nothing without names.
set -e
[ $# -gt 0 ] || exit 0
echo "installing: $*"
sudo_cmd=""
[ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
$sudo_cmd apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "$@"
