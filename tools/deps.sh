#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12, unless every
# package is already there; sudo only when not run as root.
# poppler-utils: the printing tests render a printed PDF (pdftoppm) to see
# where its ink lies on the paper.
set -euo pipefail
PAQUETES=(build-essential cmake qt6-base-dev libqt6sql6-sqlite libxcb1-dev xvfb
          fonts-liberation faketime sqlite3 libbenchmark-dev poppler-utils)
SUDO=""; [ "$(id -u)" = 0 ] || SUDO=sudo
if ! dpkg -s "${PAQUETES[@]}" >/dev/null 2>&1; then
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y "${PAQUETES[@]}"
fi
