#!/usr/bin/env bash
# Builds the fuzz targets with clang (ASan + UBSan + libFuzzer) and runs each for a
# bounded time, one after the other. By hand, not in CI:
#   fuzz/run.sh [seconds per target, default 60] [target...]
# Environment: SELCOMP_FUZZ_BUILD (default ../build-fuzz beside the repository),
# SELCOMP_SHARED_DIR (default ../shared), SELCOMP_JOBS (default 2).
# New inputs land in a temporary working corpus; the committed seeds stay as they are.
# A crash leaves its input in the build folder (crash-*); the other targets still run and
# the script ends with a failure.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${SELCOMP_FUZZ_BUILD:-$top/../build-fuzz}
shared=${SELCOMP_SHARED_DIR:-$top/../shared}
secondi=${1:-60}
shift || true
tutti=(fuzz_lettura_numeri fuzz_formato_numero fuzz_criteri fuzz_dialetto_sql fuzz_importa_jet
       fuzz_lettura_fluido fuzz_proprieta fuzz_rapporto fuzz_argomenti_cli)
if [ $# -gt 0 ]; then bersagli=("$@"); else bersagli=("${tutti[@]}"); fi

CC=clang CXX=clang++ cmake -S "$top" -B "$build" -G Ninja -DSELCOMP_FUZZ=ON -DSELCOMP_SANITIZE=ON \
  -DSELCOMP_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link -DCMAKE_C_FLAGS=-fsanitize=fuzzer-no-link
cmake --build "$build" -j "${SELCOMP_JOBS:-2}" --target "${bersagli[@]}"

export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT
cd "$build"
guasti=()
for b in "${bersagli[@]}"; do
  nome=${b#fuzz_}
  corpus=$lavoro/$nome
  mkdir -p "$corpus"
  cp "$top/fuzz/corpus/$nome/"* "$corpus/" 2>/dev/null || true
  extra=()
  if [ "$b" = fuzz_importa_jet ]; then
    # The Jet test catalogue is not ours to commit: copied here for the run only.
    if [ -f "$shared/testdata/jet/catalogo.mdb" ]; then
      cp "$shared/testdata/jet/catalogo.mdb" "$corpus/catalogo.mdb"
      extra=(-max_len=300000)
    else
      echo "$b: $shared/testdata/jet/catalogo.mdb absent, only the small seeds" >&2
    fi
  fi
  dict=()
  [ -f "$top/fuzz/dizionari/$nome.dict" ] && dict=(-dict="$top/fuzz/dizionari/$nome.dict")
  echo "== $b ($secondi s)"
  "$build/bin/$b" "$corpus" "${dict[@]}" "${extra[@]}" -max_total_time="$secondi" \
    -print_final_stats=1 2>"$lavoro/$b.log" || { tail -60 "$lavoro/$b.log"; guasti+=("$b"); }
  grep -E 'stat::number_of_executed_units|stat::peak_rss_mb' "$lavoro/$b.log" || true
  if [ "$b" = fuzz_importa_jet ]; then
    # The same inputs imported in this process, where libFuzzer sees the import's coverage:
    # libmdb's own crashes are expected here (the program is shielded from them by the
    # import process); a crash whose top frame is not in libmdb is ours.
    echo "== $b in process ($secondi s, fork mode, crashes triaged)"
    mkdir -p "$lavoro/diretto"
    (cd "$lavoro/diretto" && SELCOMP_FUZZ_JET_DIRETTO=1 "$build/bin/$b" "$corpus" "${dict[@]}" "${extra[@]}" \
      -fork=1 -ignore_crashes=1 -max_total_time="$secondi" >"$lavoro/$b-diretto.log" 2>&1) || true
    grep -a -E '#[0-9]+: cov:' "$lavoro/$b-diretto.log" | tail -1 || true
    for c in "$lavoro/diretto"/crash-*; do
      [ -f "$c" ] || continue
      cima=$(SELCOMP_FUZZ_JET_DIRETTO=1 "$build/bin/$b" "$c" 2>&1 | grep -a -m1 -E '^ +#0 ' || true)
      if ! grep -q 'libmdb' <<<"$cima"; then
        echo "crash outside libmdb: $c: $cima"; cp "$c" "$build/"; guasti+=("$b")
      elif ! "$build/bin/$b" "$c" >/dev/null 2>&1; then
        echo "the import process did not shield: $c"; cp "$c" "$build/"; guasti+=("$b")
      fi
    done
    echo "libmdb crashes shielded: $(ls "$lavoro/diretto" | grep -c '^crash-' || true)"
  fi
done
if [ ${#guasti[@]} -gt 0 ]; then
  echo "crashed: ${guasti[*]}" >&2
  exit 1
fi
