#!/bin/sh
# Installs, with apt-get, whatever the build, the tests and the program need and
# this machine lacks. Quick when everything is present.
set -e
PACKAGES="g++ cmake ninja-build ccache pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  zlib1g-dev libjpeg62-turbo-dev libzip-dev libdeflate-dev
  qt6-base-dev qt6-translations-l10n libgl-dev fonts-dejavu-core libxml2-dev
  zip unzip pngcheck poppler-utils
  libgif-dev gifsicle giflib-tools
  lighttpd tinyproxy microsocks dante-server curl"

missing=""
for p in $PACKAGES; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq || true
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq --no-install-recommends $missing
