#!/usr/bin/env bash
# Builds the job-setting, job-file and plot tests with the undefined-behaviour
# sanitizer into build-ubsan/ and runs them; any signed overflow or bad
# conversion stops the test that reaches it. Not part of ./test: the
# instrumented library takes minutes to build on a small machine.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/packaging/bootstrap.sh"
kc_install_missing
out="$root/build-ubsan"
launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
generator=()
[ -f "$out/CMakeCache.txt" ] || { command -v ninja >/dev/null 2>&1 && generator=(-G Ninja); }
cmake -S "$root" -B "$out" "${generator[@]}" "${launcher[@]}" -DCMAKE_BUILD_TYPE=None \
  "-DCMAKE_CXX_FLAGS=-O1 -g -fsanitize=undefined -fno-sanitize-recover=undefined" \
  "-DCMAKE_EXE_LINKER_FLAGS=-fsanitize=undefined" >/dev/null
tests=(document.tst_jobfile document.tst_layoutrules plot.tst_plotgenerator cli.tst_plot)
cmake --build "$out" --parallel "$(nproc)" --target "${tests[@]/./_}"
export QT_QPA_PLATFORM=offscreen UBSAN_OPTIONS=print_stacktrace=1
cd "$out"
ctest --output-on-failure -R "^($(IFS='|'; echo "${tests[*]}"))\$"
