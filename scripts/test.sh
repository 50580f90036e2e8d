#!/usr/bin/env bash
# Builds and runs every test twice: a normal build (g++) and one with
# AddressSanitizer + UndefinedBehaviorSanitizer (clang, which also builds the
# fuzz targets). Fails when either run fails, or when a source file is not in
# the code format of .clang-format (the tests still run; fix with
# `git ls-files '*.cpp' '*.h' | xargs clang-format -i`).
set -uo pipefail
cd "$(dirname "$0")/.."

./scripts/deps.sh || exit 1

export QT_QPA_PLATFORM=offscreen
unset http_proxy https_proxy HTTP_PROXY HTTPS_PROXY all_proxy ALL_PROXY
jobs=$(nproc)

sources() {  # every C++ source of ours, NUL-separated
  if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z '*.cpp' '*.h'
  else
    find . -path ./build -prune -o -type f \( -name '*.cpp' -o -name '*.h' \) -print0
  fi
}
sources | xargs -0 clang-format --dry-run --Werror
format=$?
[ $format -eq 0 ] || echo "The files above are not in the code format." >&2

run() {  # run DIR CMAKE-ARGS...
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null &&
    cmake --build "$dir" -j "$jobs" &&
    ctest --test-dir "$dir" --output-on-failure -j "$jobs"
}

run build/normal -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=g++ -DCMAKE_C_COMPILER=gcc
normal=$?
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  run build/sanitize -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" -DKT_SANITIZE=ON -DKT_FUZZ=ON -DKT_BENCH=OFF \
  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang
sanitize=$?

[ $format -eq 0 ] && [ $normal -eq 0 ] && [ $sanitize -eq 0 ]
