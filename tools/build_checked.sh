#!/bin/sh
# The checked build: configures and builds the project into ./build-checked
# as a Debug build (so the one-based array bound checks of engine/one_based.h
# run) with AddressSanitizer and UndefinedBehaviorSanitizer on every target,
# then runs every test in it.
#
# The picture generator zembra-artgen is built with the sanitizers too and
# draws the pictures at build time under them (a few seconds), so the options
# below are exported before the build as well as for the tests.
#
# Leaks: LeakSanitizer stays on for everything. The tests, the programs and
# the picture generator leave no leak behind, Qt and fontconfig included, so
# no suppressions file is needed; should a report ever come from a system
# library alone, the place for it is a suppressions file under tools/ with
# narrow entries (LSAN_OPTIONS=suppressions=...), not detect_leaks=0.
# The music's null-sink test has one: tools/lsan_media.supp names what
# PulseAudio's client library keeps to the end under Qt Multimedia.
# Options already in the environment win over the ones set here.
set -eu
cd "$(dirname "$0")/.."
./tools/install_deps.sh

: "${ASAN_OPTIONS:=halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_string_checks=1}"
: "${UBSAN_OPTIONS:=halt_on_error=1:print_stacktrace=1}"
export ASAN_OPTIONS UBSAN_OPTIONS

cmake -S . -B build-checked -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZEMBRA_SANITIZE=ON -DZEMBRA_BENCHMARKS=OFF >/dev/null
cmake --build build-checked --parallel "$(nproc)"
ctest --test-dir build-checked --output-on-failure --parallel "$(nproc)"
