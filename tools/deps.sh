#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12, unless every
# package is already there; sudo only when not run as root. Recommended
# packages are left out: nothing here needs them (they would bring GTK's
# platform theme, systemd and more fonts, which change how the windows look).
# poppler-utils: the printing tests render a printed PDF (pdftoppm) to see
# where its ink lies on the paper. sqlite3: the receipt benchmark runs the
# receipt's statements through it as its bare baseline. libqt6sql6-sqlite:
# Qt's SQLite driver, through which the programs open the database.
# libsqlite3-dev (benchmarks only): the receipt benchmark's floor runs the
# same statements through SQLite's own library.
# For the tests only: openbox, a real window manager over Xvfb, and
# libxcb-xtest0-dev, the mouse's clicks there; weston (its headless back end),
# xwayland and qt6-wayland, a Wayland session as many desktops have it;
# locales, from which the number tests compile a locale whose decimal point
# is not "." (localedef).
set -euo pipefail
PAQUETES=(build-essential cmake pkg-config qt6-base-dev libqt6sql6-sqlite libsqlite3-dev libxcb1-dev xvfb
          fonts-liberation faketime sqlite3 libbenchmark-dev poppler-utils
          openbox libxcb-xtest0-dev weston xwayland qt6-wayland locales)
SUDO=""; [ "$(id -u)" = 0 ] || SUDO=sudo
if ! dpkg -s "${PAQUETES[@]}" >/dev/null 2>&1; then
  if [ -n "$SUDO" ] && ! command -v sudo >/dev/null; then
    echo "deps.sh: run it as root (there is no sudo) to install: ${PAQUETES[*]}" >&2
    exit 1
  fi
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${PAQUETES[@]}"
fi
