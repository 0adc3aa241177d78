#!/usr/bin/env bash
# Checks the Debian package the way a user meets it: installs it with apt into a fresh Debian 12
# chroot that has nothing but its dependencies, starts it headless (--save-chart, --batch),
# then purges it and checks that none of its files are left.
# Usage: scripts/check_package.sh [path/to/quorvane_*.deb]   (builds the package when none is given)
# Needs root (debootstrap and chroot); without it, exits 77, which ctest reports as skipped.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "$(id -u)" -ne 0 ]; then
  echo "check_package: skipped, needs root for debootstrap and chroot"
  exit 77
fi

deb=${1:-}
if [ -z "$deb" ]; then
  scripts/package.sh
  deb=$(ls build/package/quorvane_*.deb)
fi
deb=$(realpath "$deb")

if ! command -v debootstrap >/dev/null; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap </dev/null
fi

root=$(mktemp -d /var/tmp/quorvane-chroot.XXXXXX)
cleanup() {
  umount "$root/proc" 2>/dev/null || true
  rm -rf --one-file-system "$root"
}
trap cleanup EXIT

echo "check_package: making a minimal Debian 12 system in $root"
debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian >/dev/null
mount -t proc proc "$root/proc"
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp "$deb" "$root/tmp/quorvane.deb"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root "$@"; }

echo "check_package: installing $(basename "$deb") with its dependencies"
in_root apt-get update -qq
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends /tmp/quorvane.deb </dev/null >/dev/null
in_root dpkg -L quorvane | sort >"$root/tmp/files"

fail() { echo "check_package: FAILED: $*"; exit 1; }
in_root test -f /usr/share/qt6/translations/qtbase_zh_CN.qm || fail "Qt's Chinese translations missing"
in_root test -f /usr/share/fonts/truetype/wqy/wqy-microhei.ttc || fail "the CJK font is missing"

echo "check_package: starting it headless"
in_root install -d -m 700 /tmp/runtime
in_root env XDG_RUNTIME_DIR=/tmp/runtime quorvane --save-chart /tmp/chart.png
in_root test -s /tmp/chart.png || fail "--save-chart wrote no picture"
in_root test -f /root/.config/quorvane/para.ini || fail "para.ini is not in the user folder"
in_root test ! -e /usr/bin/para.ini || fail "para.ini written beside the installed program"
in_root env XDG_RUNTIME_DIR=/tmp/runtime quorvane --batch /usr/share/quorvane/examples/demo_match.txt \
  | grep -q '^>RLmatch=' || fail "the example batch script printed no match figures"

# The whole interface, every window made, in both languages; it runs until stopped.
for lang in zh en; do
  status=0
  in_root env XDG_RUNTIME_DIR=/tmp/runtime QT_QPA_PLATFORM=offscreen timeout 5 quorvane --lang "$lang" \
    2>"$root/tmp/stderr" || status=$?
  [ "$status" -eq 124 ] || fail "the interface (--lang $lang) ended with status $status: $(cat "$root/tmp/stderr")"
  grep -q "could not be loaded" "$root/tmp/stderr" && fail "--lang $lang: a translation is missing"
done

echo "check_package: removing it"
in_root env DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq quorvane </dev/null >/dev/null
in_root dpkg-query -W quorvane 2>/dev/null | grep -q . && fail "still listed by dpkg"
while read -r path; do
  if [ -e "$root$path" ] && [ ! -d "$root$path" ]; then
    fail "$path is left after removal"
  fi
done <"$root/tmp/files"
[ -d "$root/usr/share/quorvane" ] && fail "/usr/share/quorvane is left after removal"
echo "check_package: passed"
