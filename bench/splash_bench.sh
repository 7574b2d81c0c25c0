#!/usr/bin/env bash
# Splash start-up benchmark: how long launcher.exe and the plain Win32 splash
# (plain_splash.exe) take from process start to their picture's pixels on the
# screen while they start a main program beside them, and launcher.exe's
# stripped size.
#
#   bash bench/splash_bench.sh [runs-per-program]        (default 9)
#
# Builds what it needs in $TARN_BUILD_DIR (default build/) and lays out one
# folder per main program and splash: the splash, SplashScreen.bmp and, as
# Lumo.exe, a stand-in main program that reaches its message loop at once
# ("ready at once") or only after 2 s ("ready after 2 s"). Then, on a private X
# server (1024x768x24) and a private Wine prefix, splash_watch.exe times each
# splash in turn, the order rotating from run to run. splash_watch polls the
# screen where the splash stands until sample points show the picture's
# colours, closes the splash and waits for the main program it started to end.
# One warm-up run of each is not counted.
# Targets: launcher within 10 % of the plain program for both main programs;
# launcher.exe <= 300 KB. On a busy machine other processes only ever add time,
# so the ratio of the fastest quarters is the steadiest figure; the medians
# and the per-run ratios follow the load.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
runs=${1:-9}

bash scripts/setup
build=${TARN_BUILD_DIR:-$root/build}
[ -f "$build/CMakeCache.txt" ] || cmake --preset mingw -B "$build" >/dev/null
cmake --build "$build" --target launcher plain_splash plain_splash_startup splash_watch \
  main_stand_in_0 main_stand_in_2000 >/dev/null

work="$build/splash-bench"
rm -rf "$work"
mkdir -p "$work"
cp "$build/bench/splash_watch.exe" "$work/"
for main in 0 2000; do
  for program in launcher plain_splash plain_splash_startup; do
    folder="$work/main$main/$program"
    mkdir -p "$folder"
    if [ "$program" = launcher ]; then
      cp "$build/bin/launcher.exe" "$folder/"
    else
      cp "$build/bench/$program.exe" "$folder/"
    fi
    cp "$build/bin/SplashScreen.bmp" "$folder/"
    cp "$build/bench/main_stand_in_$main.exe" "$folder/Lumo.exe"
  done
done

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
  watch() {  # main program -> "window_ms pixels_ms exit polls"
    # Output to a file, not a pipe: the main program a splash started could
    # hold a pipe open.
    local line
    wine splash_watch.exe "main$1\\$2\\$2.exe" "main$1\\$2\\SplashScreen.bmp" 15000 \
      </dev/null >watch.out 2>/dev/null || true
    line=$(tr -d "\r" <watch.out | grep "^window_ms=" || true)
    [ -n "$line" ] || line="window_ms=-1 pixels_ms=-1 exit=-1 polls=0"
    echo "$line" | sed -e "s/window_ms=//" -e "s/pixels_ms=//" -e "s/exit=//" -e "s/polls=//"
  }
  programs=(launcher plain_splash plain_splash_startup)
  for main in 0 2000; do
    for program in "${programs[@]}"; do watch "$main" "$program" >/dev/null; done  # warm-up
  done
  for i in $(seq 1 "$BENCH_RUNS"); do
    for main in 0 2000; do
      for k in 0 1 2; do
        program=${programs[$(( (i + k) % 3 ))]}
        echo "$i $main $program $(watch "$main" "$program")" | tee -a results.txt
      done
    done
  done
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
' | sed 's/^/  run: /'

# results.txt: run, main program, splash, window_ms, pixels_ms, exit, polls.
median() {  # main program, splash, column
  awk -v m="$1" -v k="$2" -v c="$3" '$2 == m && $3 == k && $c >= 0 {print $c}' "$work/results.txt" |
    sort -g | awk '{v[NR] = $1} END {if (NR == 0) print "n/a"; else if (NR % 2) print v[(NR + 1) / 2];
                                     else printf "%.1f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2}'
}
quartile() {  # main program, splash: the fastest quarter's upper end (time to picture)
  awk -v m="$1" -v k="$2" '$2 == m && $3 == k && $5 >= 0 {print $5}' "$work/results.txt" |
    sort -g | awk '{v[NR] = $1} END {if (NR == 0) print "n/a"; else print v[int((NR + 3) / 4)]}'
}
ratio() {  # a b label
  if [ "$1" != n/a ] && [ "$2" != n/a ]; then
    awk -v a="$1" -v b="$2" -v l="$3" 'BEGIN {printf "  ratio %s: %.3f\n", l, a / b}'
  fi
}
# The median of the per-run ratios a/b: each run times every splash within a
# few seconds, so a run's ratio sees one state of a busy machine.
paired() {  # main program, splash a, splash b, label
  awk -v m="$1" -v a="$2" -v b="$3" '$2 == m && $5 > 0 {t[$1 " " $3] = $5}
    END {for (k in t) {split(k, f, " "); if (f[2] == a && (f[1] " " b) in t) print t[k] / t[f[1] " " b]}}' \
    "$work/results.txt" | sort -g |
    awk -v l="$4" '{v[NR] = $1} END {if (NR) printf "  median of the per-run ratios %s: %.3f (%d runs)\n", l,
                                          NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2, NR}'
}
echo "splash start-up, median of $runs runs each (ms from process start; window visible / picture on screen):"
for main in 0 2000; do
  if [ "$main" = 0 ]; then echo " main program ready at once:"; else echo " main program ready after 2 s:"; fi
  lw=$(median "$main" launcher 4); lp=$(median "$main" launcher 5)
  pw=$(median "$main" plain_splash 4); pp=$(median "$main" plain_splash 5)
  sw=$(median "$main" plain_splash_startup 4); sp=$(median "$main" plain_splash_startup 5)
  echo "  launcher.exe      window $lw   picture $lp"
  echo "  plain_splash.exe  window $pw   picture $pp"
  echo "  plain_splash_startup.exe (plain + rich edit, common controls, OLE) window $sw   picture $sp"
  ratio "$lp" "$pp" "launcher/plain (picture, target <= 1.10)"
  paired "$main" launcher plain_splash "launcher/plain (picture)"
  lq=$(quartile "$main" launcher); pq=$(quartile "$main" plain_splash)
  ratio "$lq" "$pq" "launcher/plain, fastest quarter of the runs ($lq / $pq ms)"
  ratio "$lp" "$sp" "launcher/plain with the same start-up work (picture)"
  paired "$main" launcher plain_splash_startup "launcher/plain with the same start-up work (picture)"
done
awk '$5 >= 0 && $7 > 0 {print $5 / $7}' "$work/results.txt" | sort -g |
  awk '{v[NR] = $1} END {if (NR) printf "  screen poll period (median): %.2f ms\n", v[int((NR + 1) / 2)]}'
failures=$(awk '$5 < 0 || $6 != 0 {n++} END {print n + 0}' "$work/results.txt")
[ "$failures" = 0 ] || echo "  runs without the picture on screen or with a non-zero exit: $failures"
awk -v l="$launcher_size" -v p="$plain_size" 'BEGIN {
  printf "stripped size: launcher.exe %d bytes (%.1f KB, target <= 300 KB); plain_splash.exe %d bytes (%.1f KB)\n",
         l, l / 1024, p, p / 1024 }'
