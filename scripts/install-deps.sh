#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need; only what is missing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config ccache
  libexpat1-dev liblpsolve55-dev libsuitesparse-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libwxgtk3.2-dev xvfb xauth libxml2-utils python3
  desktop-file-utils shared-mime-info
  mono-mcs
  libatspi2.0-dev at-spi2-core dbus-daemon python3-gi
  libwxgtk-webview3.2-dev
  libxslt1-dev xsltproc
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
