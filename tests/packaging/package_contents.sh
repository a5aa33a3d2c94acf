#!/usr/bin/env bash
# Makes the Debian package of a build folder in a temporary folder, and checks
# its file name, that it holds each file named, in nothing but root's hands,
# and that its dependencies were read from the programs.
#   package_contents.sh CPACK BUILD_DIR FILE...
set -euo pipefail
cpack=$1 build=$2
shift 2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

if ! "$cpack" --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1; then
  cat "$out/cpack.log"
  exit 1
fi
debs=("$out"/nexil-zrtpro_*_"$(dpkg --print-architecture)".deb)
[ -f "${debs[0]}" ] || { echo "no nexil-zrtpro_VERSION_ARCH.deb in:" "$out"/*; exit 1; }
deb=${debs[0]}

failed=0
listing=$(dpkg-deb -c "$deb")
paths=$(awk '{ sub(/^\.\//, "", $6); print $6 }' <<<"$listing")
for file in "$@"; do
  grep -qxF "$file" <<<"$paths" || { echo "missing: $file"; failed=1; }
done
if awk '$2 != "root/root"' <<<"$listing" | grep .; then
  echo "not owned by root:"
  failed=1
fi
depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libqt6core6 libqt6widgets6 libqt6serialport6; do
  grep -q "\b$library\b" <<<"$depends" || { echo "Depends lacks $library: $depends"; failed=1; }
done
exit $failed
