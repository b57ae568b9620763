#!/bin/sh
# Times the conversion of a large PalmDoc database against cp of the same file, side by side in
# one hyperfine run, both writing a new file each time.
#
# usage: bench/pdbVsCp.sh path/to/trevanto [megabytes]
set -eu
trevanto=$(realpath "$1")
megabytes=${2:-60}
here=$(dirname "$(realpath "$0")")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
python3 "$here/makeBigDatabase.py" big.pdb "$megabytes"
# The hand-off would start a desktop program on every run; a do-nothing opener stands in.
mkdir bin
printf '#!/bin/sh\n' > bin/xdg-open
chmod +x bin/xdg-open
PATH="$work/bin:$PATH" hyperfine -N --warmup 3 --runs 30 --prepare 'rm -f big.hdb copy.pdb' \
  "$trevanto big.pdb" 'cp big.pdb copy.pdb'
