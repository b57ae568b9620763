#!/bin/sh
# Builds the text corpus of the benchmarks from Debian packages, into corpus/ at the top of the
# repository: the King James Bible (bible-kjv), Chinese fortunes (fortunes-zh), and a text of
# about 200 MB made of the Bible over and over, for the memory measurement.
#
# usage: bench/makeCorpus.sh        (needs: apt-get install bible-kjv fortunes-zh)
set -eu
top=$(dirname "$(realpath "$0")")/..
mkdir -p "$top/corpus"
cd "$top/corpus"
bible -f gen1:1-rev22:21 > kjv.txt
cp /usr/share/games/fortunes/chinese chinese.txt
: > big.txt
for _ in $(seq 46); do cat kjv.txt >> big.txt; done
ls -l kjv.txt chinese.txt big.txt
