#!/bin/sh
# Builds the text corpus of the benchmarks and of the search paths' test from Debian packages,
# into corpus/ at the top of the repository: the King James Bible (bible-kjv) and Chinese
# fortunes (fortunes-zh). With --big it adds a text of about 200 MB, the Bible over and over,
# for measuring memory.
#
# usage: bench/makeCorpus.sh [--big]      (needs: apt-get install bible-kjv fortunes-zh)
set -eu
top=$(dirname "$(realpath "$0")")/..
mkdir -p "$top/corpus"
cd "$top/corpus"
bible -f gen1:1-rev22:21 > kjv.txt
cp /usr/share/games/fortunes/chinese chinese.txt
if [ "${1:-}" = "--big" ]; then
  : > big.txt
  for _ in $(seq 46); do cat kjv.txt >> big.txt; done
fi
ls -l
