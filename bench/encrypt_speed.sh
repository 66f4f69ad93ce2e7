#!/usr/bin/env bash
# In-place encryption and decryption of one large file with korbit, timed
# side by side with the tools a user would pick instead, on the same file:
# openssl (AES-256-CTR), age (to a key made by age-keygen) and gpg
# (symmetric, no compression). Each command runs three times; the medians
# count. Two places:
#   memory  the file in a memory file system (/dev/shm), nothing synced:
#           the tools' own cost
#   disk    the file on disk (under $TMPDIR or /var/tmp), every result synced
# Prints the medians, korbit's throughput and peak memory, and the ratios
# with their targets.
#
#   bench/encrypt_speed.sh [SIZE_MIB] [BUILD_DIR] [memory|disk|both]
#   (defaults: 1024, build/release, both)
set -euo pipefail

size_mib=${1:-1024}
build=${2:-build/release}
where=${3:-both}
korbit="$(cd "$(dirname "$build/cli/korbit")" && pwd)/korbit"
[ -x "$korbit" ] || { echo "build korbit first: $build/cli/korbit" >&2; exit 2; }
for tool in openssl gpg age age-keygen bc; do
    command -v "$tool" >/dev/null || { echo "$tool is needed (apt-get install openssl gnupg age bc)" >&2; exit 2; }
done
password="correct horse battery"  # Corvane takes at most 26 characters

median() { printf '%s\n' "$@" | sort -g | sed -n "$(( ($# + 1) / 2 ))p"; }

# seconds SYNC COMMAND...: wall time of the command (and of a sync after it
# when SYNC is 1).
seconds() {
    local sync=$1 start end
    shift
    start=$(date +%s.%N)
    "$@" >/dev/null
    [ "$sync" = 1 ] && sync
    end=$(date +%s.%N)
    echo "$end - $start" | bc -l
}

work=""
trap 'rm -rf "$work"' EXIT

measure() {  # measure PLACE SYNC
    local place=$1 sync=$2
    work=$(mktemp -d "$place/korbit-speed-XXXXXX")
    export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" GNUPGHOME="$work/gnupg"
    mkdir -m 700 "$GNUPGHOME"
    age-keygen -o "$work/age.key" 2>/dev/null
    local recipient
    recipient=$(age-keygen -y "$work/age.key")
    head -c "$((size_mib * 1024 * 1024))" /dev/urandom > "$work/data.bin"
    cp "$work/data.bin" "$work/data.orig"
    # Memory the system has not handed out before costs far more the first
    # time (a virtual machine's host backs it only then): touch four times
    # the file's size once, so that no tool pays for it in its timed runs.
    head -c "$((4 * size_mib * 1024 * 1024))" /dev/zero > "$work/warm" && rm -f "$work/warm"
    sync

    local -a ke kd oe od ae ad ge gd
    local i
    for i in 1 2 3; do
        ke+=("$(seconds "$sync" sh -c "printf '%s\n' '$password' | '$korbit' encrypt --password-stdin --quiet '$work/data.bin'")")
        kd+=("$(seconds "$sync" sh -c "printf '%s\n' '$password' | '$korbit' decrypt --password-stdin --quiet '$work/data.bin'")")
        oe+=("$(seconds "$sync" openssl enc -aes-256-ctr -pbkdf2 -pass "pass:$password" -in "$work/data.bin" -out "$work/data.ossl")")
        od+=("$(seconds "$sync" openssl enc -d -aes-256-ctr -pbkdf2 -pass "pass:$password" -in "$work/data.ossl" -out "$work/data.back")")
        rm -f "$work/data.ossl" "$work/data.back"
        ae+=("$(seconds "$sync" age -r "$recipient" -o "$work/data.age" "$work/data.bin")")
        ad+=("$(seconds "$sync" age -d -i "$work/age.key" -o "$work/data.back" "$work/data.age")")
        rm -f "$work/data.age" "$work/data.back"
        ge+=("$(seconds "$sync" gpg --batch --quiet --yes --pinentry-mode loopback --passphrase "$password" \
            --symmetric --compress-algo none -o "$work/data.gpg" "$work/data.bin")")
        gd+=("$(seconds "$sync" gpg --batch --quiet --yes --pinentry-mode loopback --passphrase "$password" \
            --decrypt -o "$work/data.back" "$work/data.gpg")")
        rm -f "$work/data.gpg" "$work/data.back"
    done
    cmp -s "$work/data.bin" "$work/data.orig" || { echo "korbit did not give the file back!" >&2; exit 1; }
    local memory=""
    if [ -x /usr/bin/time ]; then
        memory=$(/usr/bin/time -f %M sh -c "printf '%s\n' '$password' | '$korbit' encrypt --password-stdin --quiet '$work/data.bin'" 2>&1 >/dev/null | tail -n 1)
    fi

    local k_enc k_dec o_enc o_dec a_enc a_dec g_enc g_dec mb=$((size_mib * 1048576))
    k_enc=$(median "${ke[@]}"); k_dec=$(median "${kd[@]}")
    o_enc=$(median "${oe[@]}"); o_dec=$(median "${od[@]}")
    a_enc=$(median "${ae[@]}"); a_dec=$(median "${ad[@]}")
    g_enc=$(median "${ge[@]}"); g_dec=$(median "${gd[@]}")
    echo "== $size_mib MiB in $place ($([ "$sync" = 1 ] && echo "synced to disk" || echo "not synced")), median of 3"
    printf '%-8s %10s %10s\n' tool encrypt decrypt
    printf '%-8s %9.2fs %9.2fs\n' korbit "$k_enc" "$k_dec" openssl "$o_enc" "$o_dec" age "$a_enc" "$a_dec" \
        gpg "$g_enc" "$g_dec"
    printf 'korbit runs: encrypt %s, decrypt %s\n' "${ke[*]}" "${kd[*]}"
    printf 'korbit throughput: %.0f MB/s encrypt, %.0f MB/s decrypt\n' \
        "$(echo "$mb / $k_enc / 1000000" | bc -l)" "$(echo "$mb / $k_dec / 1000000" | bc -l)"
    [ -n "$memory" ] && printf 'korbit peak memory: %.1f MiB (target <= 32)\n' "$(echo "$memory / 1024" | bc -l)"
    local target_ossl target_age target_gpg
    if [ "$sync" = 1 ]; then target_ossl=1.0 target_age=- target_gpg=0.5; else target_ossl=0.7 target_age=0.7 target_gpg=-; fi
    printf 'korbit / openssl: %.2f encrypt, %.2f decrypt (target <= %s)\n' \
        "$(echo "$k_enc / $o_enc" | bc -l)" "$(echo "$k_dec / $o_dec" | bc -l)" "$target_ossl"
    printf 'korbit / age:     %.2f encrypt, %.2f decrypt (target <= %s)\n' \
        "$(echo "$k_enc / $a_enc" | bc -l)" "$(echo "$k_dec / $a_dec" | bc -l)" "$target_age"
    printf 'korbit / gpg:     %.2f encrypt, %.2f decrypt (target <= %s)\n' \
        "$(echo "$k_enc / $g_enc" | bc -l)" "$(echo "$k_dec / $g_dec" | bc -l)" "$target_gpg"
    rm -rf "$work"
}

if [ "$where" = memory ] || [ "$where" = both ]; then
    measure /dev/shm 0
fi
if [ "$where" = disk ] || [ "$where" = both ]; then
    measure "${TMPDIR:-/var/tmp}" 1
fi
