#!/usr/bin/env bash
# Installs the Debian packages the build needs when one is missing (as root), or says exactly
# what to install. Usage: tools/ensure-deps.sh [bench|fuzz|browser|windows]...
set -euo pipefail
need=(cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev libicu-dev libcli11-dev)
# Installed without their recommends: Wine would otherwise bring fonts, sound and 32-bit
# support that running our programs does not need.
lean=()
for extra in "$@"; do
  case "$extra" in
    bench) need+=(libbenchmark-dev rapidjson-dev) ;;
    fuzz) need+=(clang libclang-rt-dev) ;;
    browser) need+=(chromium python3) ;;  # the rendered check of velk's HTML roster
    # The MinGW-w64 cross compilers and Wine to run what they build; the Windows tests compile
    # GoogleTest from the sources libgtest-dev brings (googletest).
    windows) lean+=(g++-mingw-w64-x86-64-posix wine wine64) ;;
  esac
done
installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
missing=()
for p in "${need[@]}"; do installed "$p" || missing+=("$p"); done
missing_lean=()
for p in "${lean[@]+"${lean[@]}"}"; do installed "$p" || missing_lean+=("$p"); done
[ ${#missing[@]} -eq 0 ] && [ ${#missing_lean[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -eq 0 ] && command -v apt-get >/dev/null; then
  echo "Installing: ${missing[*]} ${missing_lean[*]}"
  apt-get update -qq
  export DEBIAN_FRONTEND=noninteractive
  [ ${#missing[@]} -eq 0 ] || apt-get install -y -qq "${missing[@]}" >/dev/null
  [ ${#missing_lean[@]} -eq 0 ] ||
    apt-get install -y -qq --no-install-recommends "${missing_lean[@]}" >/dev/null
else
  echo "Missing packages. Run: sudo apt-get install ${missing[*]} ${missing_lean[*]}" >&2
  exit 1
fi
