#!/usr/bin/env bash
# Makes the release archive of a build folder, checks what it holds, unpacks it
# and builds and runs a program against it through find_package and the
# archive's own toolchain file. Arguments: the toolkit's source tree, the build
# folder, a work folder, the version and the architecture (win32 or win64).
set -euo pipefail
root=$1 build=$2 work=$3 version=$4 arch=$5
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
rm -rf "$work"
mkdir -p "$work"

name=tarn-$version-$arch
(cd "$build" && cpack --config CPackConfig.cmake -B "$work") >"$work/cpack.log"
test -f "$work/$name.zip"
(cd "$work" && cmake -E tar xf "$name.zip")
pkg=$work/$name
missing=0
for f in README.md CHANGELOG.md include/tarn/tarn.h include/tarn/version.h lib/libtarn.a \
  lib/cmake/tarn/tarnConfig.cmake lib/cmake/tarn/tarnConfigVersion.cmake \
  lib/cmake/tarn/tarnTargets.cmake lib/cmake/tarn/TarnModernLook.cmake \
  lib/cmake/tarn/mingw-common.cmake lib/cmake/tarn/mingw-i686.cmake \
  lib/cmake/tarn/mingw-x86_64.cmake bin/gallery.exe bin/gallery_modern.exe bin/notepad.exe \
  bin/mdi.exe bin/tips.exe; do
  [ -f "$pkg/$f" ] || { echo "release: $name.zip lacks $f" >&2; missing=1; }
done
[ "$(ls "$root"/tarn/*.h | wc -l)" = "$(ls "$pkg"/include/tarn/*.h | wc -l)" ] ||
  { echo "release: the archive's headers differ from tarn/*.h" >&2; missing=1; }
[ "$missing" = 0 ]

case $arch in win64) toolchain=mingw-x86_64.cmake ;; *) toolchain=mingw-i686.cmake ;; esac
cmake -S "$here" -B "$work/program" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$pkg/lib/cmake/tarn/$toolchain" -DCMAKE_PREFIX_PATH="$pkg" \
  -DTARN_EXPECTED_VERSION="$version" >"$work/program.log"
cmake --build "$work/program" >>"$work/program.log"
"$root/scripts/wine-run" "$work/program/release_check.exe"
echo "release: $name.zip ($(stat -c %s "$work/$name.zip") bytes) holds the package; a program built against it ran"
