#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need.
# Sourced by ./run and ./test.
NXA_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev
  libsnmp-dev snmp snmpd
  zlib1g-dev libtinyxml2-dev libcurl4-openssl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  curl smitools git
  clang libclang-rt-dev
  python3-pyftpdlib tftp-hpa
  help2man dpkg-dev fakeroot
)

nxa_ensure_packages() {
  local missing=()
  for p in "${NXA_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -eq 0 ]; then
    echo "==> Debian packages: all present"
    return 0
  fi
  echo "==> Installing Debian packages: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
  # The packaged snmpd starts a system agent on port 161; the project starts its own.
  if command -v systemctl >/dev/null 2>&1; then $sudo systemctl stop snmpd >/dev/null 2>&1 || true; fi
}

# nxa_build DIR [cmake args...]: configures DIR (again when the arguments
# differ from its last configuration) and builds it (only the targets in
# NXA_TARGETS when that is set).
nxa_build() {
  local dir=$1; shift
  local top
  top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
  local wanted="$*"
  if [ ! -f "$dir/build.ninja" ] || [ "$(cat "$dir/.nxa-configure-args" 2>/dev/null)" != "$wanted" ]; then
    echo "==> Configuring $dir"
    mkdir -p "$dir"
    cmake -S "$top" -B "$dir" -G Ninja "$@" >"$dir.configure.log" 2>&1 || { cat "$dir.configure.log"; return 1; }
    printf '%s' "$wanted" >"$dir/.nxa-configure-args"
  fi
  echo "==> Building $dir"
  if [ -n "${NXA_TARGETS:-}" ]; then
    # shellcheck disable=SC2086
    cmake --build "$dir" --target $NXA_TARGETS
  else
    cmake --build "$dir" -- -k 0
  fi
}
