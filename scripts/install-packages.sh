#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that are missing; further
# package names given as arguments are installed too.
set -euo pipefail

# Qt Multimedia plays the sounds; the desktop tools are what the shortcut registrations call and
# their tests check; the print tests read the PDFs back with poppler's tools; the DXF tests read what
# the program writes with two independent readers, ezdxf and LibreCAD.
packages=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-multimedia-dev qt6-translations-l10n libgl-dev googletest
          libgtest-dev libbenchmark-dev fonts-ipafont xdg-utils desktop-file-utils shared-mime-info poppler-utils
          python3-ezdxf librecad "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
