#!/usr/bin/env bash
# Installs what building, running and testing the calculators needs on Debian 12,
# and what building and checking their Debian package needs; the web page is
# tested in Debian's own headless Chromium.
set -euo pipefail
pkgs=(build-essential cmake pkg-config libgtk2.0-dev libgtest-dev googletest
      xvfb xauth imagemagick locales xdotool libgail-common
      clang libclang-rt-dev desktop-file-utils strace libjson-glib-dev
      libcairo2-dev libpango1.0-dev libpng-dev
      dpkg-dev debhelper fakeroot lintian man-db groff-base appstream bash-completion
      shared-mime-info libglib2.0-bin libboost-dev poppler-utils fonts-dejavu-core
      libxml2-utils libfreetype-dev
      clang-19 lld-19 libc++-19-dev-wasm32 libc++abi-19-dev-wasm32 libclang-rt-19-dev-wasm32
      wasi-libc binaryen libfmt-dev nodejs chromium chromium-driver python3-selenium gettext po4a)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
if [ ${#missing[@]} -gt 0 ]; then
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q "${missing[@]}"
fi
# The German locale for the decimal-separator tests, the English one for the
# English interface's.
for l in de_DE en_US; do
  if ! locale -a 2>/dev/null | grep -qi "^$l\.utf-\?8\$"; then
    $SUDO sed -i "s/^# *\($l.UTF-8 UTF-8\)/\1/" /etc/locale.gen
    grep -q "^$l.UTF-8 UTF-8" /etc/locale.gen || echo "$l.UTF-8 UTF-8" | $SUDO tee -a /etc/locale.gen >/dev/null
    $SUDO locale-gen >/dev/null
  fi
done
