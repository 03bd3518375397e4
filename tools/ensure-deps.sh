#!/usr/bin/env bash
# Installs the Debian packages the build needs when one is missing (as root), or says exactly
# what to install. Usage: tools/ensure-deps.sh [bench|fuzz|browser]...
set -euo pipefail
need=(cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev libicu-dev libcli11-dev)
for extra in "$@"; do
  case "$extra" in
    bench) need+=(libbenchmark-dev rapidjson-dev) ;;
    fuzz) need+=(clang libclang-rt-dev) ;;
    browser) need+=(chromium python3) ;;  # the rendered check of velk's HTML roster
  esac
done
missing=()
for p in "${need[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -eq 0 ] && command -v apt-get >/dev/null; then
  echo "Installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
else
  echo "Missing packages. Run: sudo apt-get install ${missing[*]}" >&2
  exit 1
fi
