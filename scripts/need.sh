#!/usr/bin/env bash
# Installs, with apt-get, the Debian packages behind whatever is missing.
# usage: scripts/need.sh COMMAND_OR_PATH=PACKAGE...   e.g. strace=strace /usr/lib/wine/wine=wine32:i386
set -euo pipefail
missing=()
for pair in "$@"; do
  what=${pair%%=*}
  package=${pair#*=}
  if [[ $what == /* ]]; then [ -e "$what" ] && continue; else command -v "$what" >/dev/null && continue; fi
  missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "installing ${missing[*]}"
if printf '%s\n' "${missing[@]}" | grep -q ':i386$'; then
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
fi
# A mirror caught mid-sync fails an index or two for a while: try again, then
# go on with what was fetched, and let the install say what is missing.
for try in 1 2 3; do
  apt-get update -q && break
  echo "need: apt-get update failed (try $try of 3)" >&2
  sleep $((try * 15))
done
DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends --no-remove "${missing[@]}"
