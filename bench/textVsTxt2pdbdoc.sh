#!/bin/sh
# Times `trevanto book.txt` (the whole process: intermediate database, HDB file) against
# Debian's txt2pdbdoc compressing the same text, side by side in one hyperfine run per book of
# the corpus (bench/makeCorpus.sh), and prints the peak memory of one conversion of each.
#
# usage: bench/textVsTxt2pdbdoc.sh path/to/trevanto [corpus files...]
set -eu
trevanto=$(realpath "$1")
shift
top=$(dirname "$(realpath "$0")")/..
[ $# -gt 0 ] || set -- "$top/corpus/kjv.txt" "$top/corpus/chinese.txt"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"
printf '#!/bin/sh\n' > "$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
cd "$work"
for text in "$@"; do
  cp "$text" book.txt
  PATH="$work/bin:$PATH" hyperfine -N --warmup 2 --runs 10 \
    --prepare 'rm -f book.pdb book.hdb reference.pdb' \
    "$trevanto book.txt" 'txt2pdbdoc book book.txt reference.pdb'
  rm -f book.pdb book.hdb
  PATH="$work/bin:$PATH" /usr/bin/time -f "peak memory of trevanto: %M KB" "$trevanto" book.txt >/dev/null
done
