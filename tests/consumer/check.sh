#!/usr/bin/env bash
# Builds the consumer program against the toolkit twice, through
# add_subdirectory and through an installed package, and runs both under Wine.
# Arguments: the toolkit's source tree, a work folder, and the toolchain file
# (the 32-bit one when left out).
set -euo pipefail
root=$1
work=$2
toolchain=${3:-$root/cmake/mingw-i686.cmake}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
rm -rf "$work"
mkdir -p "$work"

cmake -S "$here" -B "$work/sub" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_BUILD_TYPE=Release -DTARN_USE=subdirectory -DTARN_SOURCE_DIR="$root" >"$work/sub.log"
cmake --build "$work/sub" >>"$work/sub.log"
# Only the toolkit and the program: no tests, launcher, benchmarks, tools or examples.
if ls "$work/sub/tarn" | grep -q -E '^(tests|launcher|bench|tools|examples)$'; then
  echo "add_subdirectory built the toolkit's own tests or programs" >&2
  exit 1
fi
"$root/scripts/wine-run" "$work/sub/consumer.exe"
"$root/scripts/wine-run" "$work/sub/subsystem.exe"
"$root/scripts/wine-run" "$work/sub/modern.exe"

# The library alone, through its preset, installed into a stage folder.
case $(basename "$toolchain") in
  mingw-x86_64.cmake) lib_preset=mingw64-lib ;;
  *) lib_preset=mingw-lib ;;
esac
(cd "$root" && cmake --preset "$lib_preset" -B "$work/lib" -DCMAKE_INSTALL_PREFIX="$work/stage") \
  >"$work/lib.log"
cmake --build "$work/lib" >>"$work/lib.log"
cmake --install "$work/lib" >>"$work/lib.log"
# Headers under include/tarn/; the program needs only the installed toolchain file
# and find_package (the source tree is not named).
test -f "$work/stage/include/tarn/tarn.h"
if ls "$work/stage/include" | grep -v -x tarn | grep -q .; then
  echo "the install put headers outside include/tarn/" >&2
  exit 1
fi
installed_toolchain=$work/stage/lib/cmake/tarn/$(basename "$toolchain")
cmake -S "$here" -B "$work/pkg" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$installed_toolchain" \
  -DCMAKE_BUILD_TYPE=Release -DTARN_USE=package -DCMAKE_PREFIX_PATH="$work/stage" >"$work/pkg.log"
cmake --build "$work/pkg" >>"$work/pkg.log"
"$root/scripts/wine-run" "$work/pkg/consumer.exe"
"$root/scripts/wine-run" "$work/pkg/subsystem.exe"
"$root/scripts/wine-run" "$work/pkg/modern.exe"
echo "consumer: <tarn/tarn.h>, <tarn/forms.h> and modern-look programs built and ran through add_subdirectory and find_package"
