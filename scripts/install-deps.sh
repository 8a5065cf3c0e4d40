#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
# SPDX-License-Identifier: MIT

# Installs the Debian 12 packages this project builds and tests with, and only
# the ones that are missing, so a warm machine does not touch the network.
# Runs as root (CI and the developer machines are root); uses sudo otherwise.
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools
    # Qt6UiTools' CMake package needs Qt6OpenGLWidgets, which qt6-tools-dev
    # only recommends; recommendations are not installed here.
    libqt6opengl6-dev
    libgl-dev libvulkan-dev libxkbcommon-dev
    fonts-dejavu-core
    libbenchmark-dev
    libicu-dev
    clang libclang-rt-14-dev
    # Translations: lupdate/lrelease for Qt's LinguistTools CMake functions,
    # and Qt's own catalogs, which the demo host loads beside the control's
    # (the message boxes' Yes, No and OK are Qt's words).
    qt6-l10n-tools qt6-translations-l10n
    # The demo host's databases: Qt's SQLite and PostgreSQL drivers, and a
    # PostgreSQL server the database tests start as a throwaway cluster.
    libqt6sql6-sqlite libqt6sql6-psql postgresql
    # The address book's fast load route reads through the SQLite and libpq
    # libraries Qt's drivers use; the database tests use the sqlite3 program
    # as another process opening the host's file.
    libsqlite3-dev libpq-dev sqlite3
    # The accessibility check reads the control as a screen reader does: a
    # real X server, a session bus with the accessibility bus, pyatspi.
    xvfb xauth dbus dbus-x11 at-spi2-core python3-pyatspi gir1.2-atspi-2.0
    # make bench draws its time-against-size picture with gnuplot.
    gnuplot-nox
    # make docs: Doxygen, and Qt 6's qhelpgenerator (in qt6-documentation-tools,
    # /usr/lib/qt6/libexec/qhelpgenerator) for the Qt help file.
    doxygen qt6-documentation-tools
    # The binary interface check (abidw, abidiff) and the Debian packages
    # (dpkg-shlibdeps, dpkg-deb, dpkg-gensymbols).
    abigail-tools dpkg-dev
    # The packages' checks: Debian's lintian, the licence of every file
    # (reuse), the desktop entry and the AppStream data; pandoc makes the
    # manual pages from docs/manual/.
    lintian reuse desktop-file-utils appstream pandoc
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ "${#missing[@]}" -eq 0 ]; then
    exit 0
fi

echo "Installing missing packages: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends "${missing[@]}"
