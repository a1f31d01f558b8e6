#!/usr/bin/env bash
# scripts/check-package.sh DEB: installs DEB into a fresh minimal Debian 12
# root with apt (which pulls exactly the declared dependencies) and runs
# aerodesk --help, nxa-sim --help and a query of a simulated device there.
set -euo pipefail
deb=$(readlink -f "$1")
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
command -v debootstrap >/dev/null || $sudo apt-get install -y -qq debootstrap >/dev/null
root=$(mktemp -d /tmp/nxa-package-root.XXXXXX)
trap '$sudo umount "$root/proc" 2>/dev/null || true; $sudo rm -rf "$root"' EXIT
echo "==> debootstrap bookworm into $root"
$sudo debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian >"$root.log" 2>&1 \
  || { tail -n 20 "$root.log"; exit 1; }
$sudo cp "$deb" "$root/tmp/"
$sudo mount -t proc proc "$root/proc"
echo "==> apt-get install ./$(basename "$deb") inside the root"
$sudo chroot "$root" sh -c "apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq /tmp/$(basename "$deb")" >/dev/null
$sudo chroot "$root" sh -ec '
  aerodesk --help >/dev/null
  nxa-sim --help >/dev/null
  ls /usr/share/man/man1/aerodesk.1* >/dev/null
  nxa-sim --devices 1 --base 127.0.0.1 --port 16161 >/tmp/sim.log 2>&1 &
  sim=$!
  for i in $(seq 50); do grep -q "nxa-sim: ready" /tmp/sim.log && break; sleep 0.2; done
  QT_QPA_PLATFORM=offscreen aerodesk info 127.0.0.1 --port 16161
  kill $sim
'
echo "==> the package installs and runs in a clean Debian 12 root"
