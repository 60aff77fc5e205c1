#!/usr/bin/env bash
# Fuzzes the design file through the whole command (reader, replay, drive calculation, equipment
# selection, report) for SECONDS (default 60): builds the libFuzzer target with clang,
# AddressSanitizer and UndefinedBehaviorSanitizer into build-fuzz/, starts from the committed seed
# corpus in fuzz/corpus/, and exits non-zero on any finding (the input lands in
# build-fuzz/findings/; add it to fuzz/corpus/ once the fault is mended).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
bash scripts/install-deps.sh

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DDTII_FUZZ=ON -DDTII_SANITIZE=ON -DDTII_WITH_UI=OFF -DDTII_WITH_BENCH=OFF
cmake --build build-fuzz -j "$(nproc)" --target design_file_fuzzer

# New inputs the fuzzer finds go to build-fuzz/corpus/; the committed seeds stay as they are.
mkdir -p build-fuzz/corpus build-fuzz/findings
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
build-fuzz/bin/design_file_fuzzer -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len=16384 -print_final_stats=1 -dict=fuzz/design_file.dict \
    -artifact_prefix=build-fuzz/findings/ build-fuzz/corpus fuzz/corpus
