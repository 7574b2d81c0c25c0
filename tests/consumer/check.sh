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

cmake -S "$root" -B "$work/lib" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_BUILD_TYPE=Release -DTARN_BUILD_TESTS=OFF -DTARN_BUILD_LAUNCHER=OFF \
  -DTARN_BUILD_BENCHMARKS=OFF -DTARN_BUILD_TOOLS=OFF -DTARN_BUILD_EXAMPLES=OFF \
  -DCMAKE_INSTALL_PREFIX="$work/stage" >"$work/lib.log"
cmake --build "$work/lib" >>"$work/lib.log"
cmake --install "$work/lib" >>"$work/lib.log"
cmake -S "$here" -B "$work/pkg" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_BUILD_TYPE=Release -DTARN_USE=package -DCMAKE_PREFIX_PATH="$work/stage" >"$work/pkg.log"
cmake --build "$work/pkg" >>"$work/pkg.log"
"$root/scripts/wine-run" "$work/pkg/consumer.exe"
"$root/scripts/wine-run" "$work/pkg/subsystem.exe"
"$root/scripts/wine-run" "$work/pkg/modern.exe"
echo "consumer: <tarn.h>, <forms.h> and modern-look programs built and ran through add_subdirectory and find_package"
