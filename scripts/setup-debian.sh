#!/bin/sh
# Installs what building, testing and running NALVO PRO 2018 needs on a
# Debian 12 machine (run as root). Installs only what is missing. Xvfb and
# xdotool drive the real program in the end-to-end tests.
set -eu

packages="cmake g++ make pkg-config qt6-base-dev libfluidsynth-dev timgm6mb-soundfont
          libgtest-dev libbenchmark-dev fonts-dejavu-core xvfb xdotool"

missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -z "$missing" ]; then
    echo "setup-debian: everything is installed"
    exit 0
fi
echo "setup-debian: installing$missing"
export DEBIAN_FRONTEND=noninteractive
apt-get update
# shellcheck disable=SC2086
apt-get install -y --no-install-recommends $missing
