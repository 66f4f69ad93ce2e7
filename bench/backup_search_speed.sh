#!/usr/bin/env bash
# SearchForFiles over a generated tree of 100,000 files in 1,000 folders,
# timed side by side with find; BackUpFiles of 10,000 small files into an
# empty folder, timed side by side with cp -r and rsync -a. Each korbit run is
# one late-bound call through the korbit command (its JSON answer included).
# Prints the times and the ratios.
#
#   bench/backup_search_speed.sh [BUILD_DIR]     (default: build/release)
set -euo pipefail

build=${1:-build/release}
korbit="$build/cli/korbit"
[ -x "$korbit" ] || { echo "build korbit first: $korbit" >&2; exit 2; }
command -v rsync >/dev/null || echo "rsync not found: its column stays empty" >&2

work=$(mktemp -d "${TMPDIR:-/var/tmp}/korbit-speed-XXXXXX")
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"

make_tree() {  # make_tree DIR FOLDERS FILES_PER_FOLDER: half the files end in .txt
    local dir=$1 folders=$2 files=$3 f i
    for ((f = 0; f < folders; f++)); do
        mkdir -p "$dir/folder$f"
        (cd "$dir/folder$f" && for ((i = 0; i < files; i++)); do
            if ((i % 2)); then echo "$i" > "file$i.txt"; else echo "$i" > "file$i.dat"; fi
        done)
    done
}

seconds() {  # seconds COMMAND...: wall time of the command, its output discarded
    local start end
    start=$(date +%s.%N)
    "$@" > /dev/null
    end=$(date +%s.%N)
    echo "$end - $start" | bc -l
}

make_tree "$work/search" 1000 100
make_tree "$work/backup" 100 100
sync

# The korbit command's own start-up, for reading the ratios.
k_start=$(seconds "$korbit" call BackUpFilesProgressPercentage)

# Warm the cache for both tools alike, then time.
find "$work/search" -name '*.txt' > /dev/null
fp='{"bRecursive":true,"bExclusiveSpecExt":1,"sExclusiveExtensions":"*.txt"}'
k_search=$(seconds "$korbit" call SearchForFiles "$work/search" '[]' "$fp")
f_search=$(seconds find "$work/search" -name '*.txt')
found=$("$korbit" call SearchForFiles "$work/search" '[]' "$fp" | grep -o '"nCount":[0-9]*')

mkdir "$work/k-target"
params="{\"SourceFolder\":\"$work/backup\",\"TargetFolder\":\"$work/k-target\",\"bRecursive\":true}"
k_backup=$(seconds "$korbit" call --answer yes BackUpFiles "$params")
copied=$(find "$work/k-target" -type f | wc -l)
c_backup=$(seconds cp -r "$work/backup" "$work/cp-target")
r_backup=""
if command -v rsync >/dev/null; then
    r_backup=$(seconds rsync -a "$work/backup/" "$work/rsync-target/")
fi

printf 'search 100,000 files (%s):  korbit %.3fs  find %.3fs  ratio %.2f (target <= 2)\n' \
    "$found" "$k_search" "$f_search" "$(echo "$k_search / $f_search" | bc -l)"
printf 'backup 10,000 files (%s copied):  korbit %.3fs  cp -r %.3fs  ratio %.2f (target <= 1.5)\n' \
    "$copied" "$k_backup" "$c_backup" "$(echo "$k_backup / $c_backup" | bc -l)"
printf 'korbit start-up alone %.3fs; without it the search ratio is %.2f\n' \
    "$k_start" "$(echo "($k_search - $k_start) / $f_search" | bc -l)"
if [ -n "$r_backup" ]; then
    printf '                                 rsync -a %.3fs  ratio %.2f\n' \
        "$r_backup" "$(echo "$k_backup / $r_backup" | bc -l)"
fi
