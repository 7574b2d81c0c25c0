#!/usr/bin/env bash
# Splash start-up benchmark: how long launcher.exe and the plain Win32 splash
# (plain_splash.exe) take from process start to their picture's pixels on the
# screen, and launcher.exe's stripped size.
#
#   bash bench/splash_bench.sh [runs-per-program]        (default 7)
#
# Builds what it needs in $TARN_BUILD_DIR (default build/), lays out one folder
# per program (the program and SplashScreen.bmp; Lumo.exe too when BENCH_LUMO=1,
# otherwise both programs' WinExec finds nothing and returns at once), then on
# a private X server (1024x768x24) and a private Wine prefix runs
# splash_watch.exe alternately on each program. splash_watch polls the screen
# where the splash stands until sample points show the picture's colours, then
# closes the splash. One warm-up run of each is not counted.
# Targets: launcher within 10 % of the plain program; launcher.exe <= 300 KB.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
runs=${1:-7}

bash scripts/setup
build=${TARN_BUILD_DIR:-$root/build}
[ -f "$build/CMakeCache.txt" ] || cmake --preset mingw -B "$build" >/dev/null
cmake --build "$build" --target launcher plain_splash plain_splash_startup splash_watch >/dev/null

work="$build/splash-bench"
rm -rf "$work"
mkdir -p "$work/launcher" "$work/plain" "$work/startup"
cp "$build/bin/launcher.exe" "$build/bin/SplashScreen.bmp" "$work/launcher/"
cp "$build/bench/plain_splash.exe" "$build/bin/SplashScreen.bmp" "$work/plain/"
cp "$build/bench/plain_splash_startup.exe" "$build/bin/SplashScreen.bmp" "$work/startup/"
cp "$build/bench/splash_watch.exe" "$work/"
if [ "${BENCH_LUMO:-0}" = 1 ]; then
  cp "$build/bin/Lumo.exe" "$work/launcher/"
  cp "$build/bin/Lumo.exe" "$work/plain/"
  cp "$build/bin/Lumo.exe" "$work/startup/"
fi

# Sizes: stripped copies.
strip_size() {
  cp "$1" "$work/stripped.exe"
  i686-w64-mingw32-strip "$work/stripped.exe"
  stat -c %s "$work/stripped.exe"
  rm -f "$work/stripped.exe"
}
launcher_size=$(strip_size "$build/bin/launcher.exe")
plain_size=$(strip_size "$build/bench/plain_splash.exe")

export WINEPREFIX="$build/wineprefix-bench"
export WINEDEBUG=-all WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
scripts/wine-prefix "$WINEPREFIX"

export BENCH_WORK=$work BENCH_RUNS=$runs
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  set -u
  wineserver -p </dev/null >/dev/null 2>&1
  wine wineboot </dev/null >"$WINEPREFIX.boot.log" 2>&1 || true
  cd "$BENCH_WORK"
  watch() {  # folder program -> "window_ms pixels_ms exit polls"
    # Output to a file, not a pipe: a Lumo.exe started by the splash (BENCH_LUMO=1)
    # outlives it and would hold a pipe open.
    local line
    wine splash_watch.exe "$1\\$2" "$1\\SplashScreen.bmp" 15000 </dev/null >watch.out 2>/dev/null || true
    line=$(tr -d "\r" <watch.out | grep "^window_ms=" || true)
    [ -n "$line" ] || line="window_ms=-1 pixels_ms=-1 exit=-1 polls=0"
    echo "$line" | sed -e "s/window_ms=//" -e "s/pixels_ms=//" -e "s/exit=//" -e "s/polls=//"
  }
  watch launcher launcher.exe >/dev/null   # warm-up
  watch plain plain_splash.exe >/dev/null
  watch startup plain_splash_startup.exe >/dev/null
  for i in $(seq 1 "$BENCH_RUNS"); do
    echo "launcher $(watch launcher launcher.exe)" | tee -a results.txt
    echo "plain $(watch plain plain_splash.exe)" | tee -a results.txt
    echo "startup $(watch startup plain_splash_startup.exe)" | tee -a results.txt
  done
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
' | sed 's/^/  run: /'

median() {  # kind column
  awk -v k="$1" -v c="$2" '$1 == k && $c >= 0 {print $c}' "$work/results.txt" | sort -g |
    awk '{v[NR] = $1} END {if (NR == 0) print "n/a"; else if (NR % 2) print v[(NR + 1) / 2];
                           else printf "%.1f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2}'
}
failures=$(awk '$3 < 0 || $4 != 0 {n++} END {print n + 0}' "$work/results.txt")
lw=$(median launcher 2); lp=$(median launcher 3)
pw=$(median plain 2); pp=$(median plain 3)
sw=$(median startup 2); sp=$(median startup 3)
echo "splash start-up, median of $runs runs each (ms from process start; window visible / picture on screen):"
echo "  launcher.exe      window $lw   picture $lp"
echo "  plain_splash.exe  window $pw   picture $pp"
echo "  plain_splash_startup.exe (plain + rich edit, common controls, OLE) window $sw   picture $sp"
if [ "$lp" != n/a ] && [ "$pp" != n/a ]; then
  awk -v a="$lp" -v b="$pp" 'BEGIN {printf "  ratio launcher/plain (picture): %.3f (target <= 1.10)\n", a / b}'
fi
if [ "$lp" != n/a ] && [ "$sp" != n/a ]; then
  awk -v a="$lp" -v b="$sp" 'BEGIN {printf "  ratio launcher/plain with the same start-up work (picture): %.3f\n", a / b}'
fi
awk '$3 >= 0 && $5 > 0 {print $3 / $5}' "$work/results.txt" | sort -g |
  awk '{v[NR] = $1} END {if (NR) printf "  screen poll period (median): %.2f ms\n", v[int((NR + 1) / 2)]}'
[ "$failures" = 0 ] || echo "  runs without the picture on screen or with a non-zero exit: $failures"
awk -v l="$launcher_size" -v p="$plain_size" 'BEGIN {
  printf "stripped size: launcher.exe %d bytes (%.1f KB, target <= 300 KB); plain_splash.exe %d bytes (%.1f KB)\n",
         l, l / 1024, p, p / 1024 }'
