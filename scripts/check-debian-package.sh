#!/usr/bin/env bash
# Installs the Debian package into a fresh Debian 12 (debootstrap, as root), starts the program the
# way its menu entry does, checks that drawings open with it, then purges it and lists what stayed
# (the settings a run wrote into the home folder are the user's, not the package's).
# Usage: sudo scripts/check-debian-package.sh build-release/vantrocad_*.deb [root folder]
set -euo pipefail
deb=$(realpath "$1")
root=${2:-/var/tmp/vantrocad-debian12}
[ "$(id -u)" -eq 0 ] || { echo "run as root: debootstrap and chroot need it" >&2; exit 2; }
command -v debootstrap >/dev/null || apt-get install -y -qq debootstrap

if [ ! -x "$root/usr/bin/apt-get" ]; then
  debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian
fi
cp /etc/resolv.conf "$root/etc/resolv.conf"
mountpoint -q "$root/proc" || mount -t proc proc "$root/proc"
trap 'umount "$root/proc"' EXIT
cp "$deb" "$root/tmp/vantrocad.deb"

in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 bash -euo pipefail -c "$1"; }

in_root 'apt-get update -qq'
echo "== install"
in_root 'DEBIAN_FRONTEND=noninteractive apt-get install -y -qq /tmp/vantrocad.deb >/tmp/install.log 2>&1 || { tail -20 /tmp/install.log; exit 1; }'
in_root 'dpkg -L vantrocad'
echo "== the menu entry's program: a conversion, then the window (offscreen) for five seconds"
in_root 'desktop-file-validate /usr/share/applications/vantrocad.desktop && grep "^Exec=" /usr/share/applications/vantrocad.desktop'
in_root 'exec_line=$(sed -n "s/^Exec=//p" /usr/share/applications/vantrocad.desktop); program=${exec_line%% *}
         "$program" --convert /usr/share/vantrocad/samples/flange.dca /tmp/flange.dxf && ls -l /tmp/flange.dxf
         QT_QPA_PLATFORM=offscreen "$program" /usr/share/vantrocad/samples/flange.dca & pid=$!; sleep 5
         kill -0 $pid && echo "the window runs" && kill $pid'
echo "== drawings open with the program"
in_root 'xdg-mime query filetype /usr/share/vantrocad/samples/flange.dca
         xdg-mime query default application/x-vantrocad-drawing'
echo "== remove"
in_root 'dpkg -L vantrocad > /tmp/package-files.txt
         DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq vantrocad >/dev/null 2>&1
         left=0
         while read -r path; do [ -f "$path" ] && { echo "left: $path"; left=1; }; done < /tmp/package-files.txt
         find / -xdev \( -path /proc -o -path /tmp -o -path /root \) -prune -o -iname "*vantrocad*" -print | grep . && left=1
         echo "the drawing type after removal: $(xdg-mime query default application/x-vantrocad-drawing)"
         [ $left -eq 0 ] && echo "nothing of the package stayed"'
