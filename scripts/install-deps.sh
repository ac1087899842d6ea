#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, if missing.
# Idempotent and non-interactive; run as root on Debian 12.
set -euo pipefail

packages=(
  cmake ninja-build g++ libgtest-dev libgmock-dev libbenchmark-dev locales
  qt6-base-dev qt6-declarative-dev qt6-tools-dev qt6-l10n-tools zlib1g-dev
  qml6-module-qtqml qml6-module-qtqml-models qml6-module-qtqml-workerscript
  qml6-module-qtquick qml6-module-qtquick-window qml6-module-qtquick-templates
  qml6-module-qtquick-controls qml6-module-qtquick-layouts qml6-module-qt-labs-settings
  qml6-module-qt5compat-graphicaleffects qml6-module-qttest
  libqt6svg6 fonts-dejavu-core qt6-translations-l10n
  xvfb xauth xdotool imagemagick libgl1-mesa-dri clang-format openbox x11-utils
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  $SUDO apt-get update -q
  $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# A decimal-comma locale, so the number readers are tested against one.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  localedef -i de_DE -f UTF-8 de_DE.UTF-8 >/dev/null 2>&1 || \
    echo "note: could not generate de_DE.UTF-8; locale tests will be skipped"
fi
