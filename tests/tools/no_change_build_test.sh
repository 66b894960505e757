#!/bin/sh
# A build with nothing changed does nothing: configuring again and asking the
# build tool what it would do must find no work.
#   no_change_build_test.sh SOURCE_DIR BUILD_DIR
set -eu
cmake -S "$1" -B "$2" >/dev/null
out=$(cmake --build "$2" -- -n -d explain 2>&1)
if echo "$out" | grep -q "no work to do"; then echo "nothing to rebuild"; exit 0; fi
echo "$out" | head -40
echo "FAIL: an unchanged tree still rebuilds"
exit 1
