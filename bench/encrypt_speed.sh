#!/usr/bin/env bash
# In-place encryption and decryption of one large file with korbit, timed
# side by side with openssl (AES-256-CTR) and gpg (symmetric, no
# compression) on the same file; every tool's result is synced to disk.
# Prints the times, korbit's throughput and its peak memory, and the ratios.
#
#   bench/encrypt_speed.sh [SIZE_MIB] [BUILD_DIR]     (defaults: 1024, build/release)
set -euo pipefail

size_mib=${1:-1024}
build=${2:-build/release}
korbit="$build/cli/korbit"
[ -x "$korbit" ] || { echo "build korbit first: $korbit" >&2; exit 2; }
command -v openssl >/dev/null || { echo "openssl is needed" >&2; exit 2; }
command -v gpg >/dev/null || { echo "gpg is needed (apt-get install gnupg)" >&2; exit 2; }

work=$(mktemp -d "${TMPDIR:-/var/tmp}/korbit-speed-XXXXXX")
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" GNUPGHOME="$work/gnupg"
mkdir -m 700 "$GNUPGHOME"
password="correct horse battery"  # Corvane takes at most 26 characters

head -c "$((size_mib * 1024 * 1024))" /dev/urandom > "$work/data.bin"
sync

seconds() {  # seconds COMMAND...: wall time of the command, then sync
    local start end
    start=$(date +%s.%N)
    "$@"
    sync
    end=$(date +%s.%N)
    echo "$end - $start" | bc -l
}

peak_kib() {  # peak resident memory of one command, in KiB
    /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -n 1
}

k_enc=$(seconds sh -c "printf '%s\n' '$password' | '$korbit' encrypt --password-stdin --quiet '$work/data.bin'")
k_dec=$(seconds sh -c "printf '%s\n' '$password' | '$korbit' decrypt --password-stdin --quiet '$work/data.bin'")
o_enc=$(seconds openssl enc -aes-256-ctr -pbkdf2 -pass "pass:$password" -in "$work/data.bin" -out "$work/data.ossl")
o_dec=$(seconds openssl enc -d -aes-256-ctr -pbkdf2 -pass "pass:$password" -in "$work/data.ossl" -out "$work/data.back")
rm -f "$work/data.back"
g_enc=$(seconds gpg --batch --quiet --yes --pinentry-mode loopback --passphrase "$password" --symmetric \
    --compress-algo none -o "$work/data.gpg" "$work/data.bin")
g_dec=$(seconds gpg --batch --quiet --yes --pinentry-mode loopback --passphrase "$password" --decrypt \
    -o "$work/data.back" "$work/data.gpg")
memory=""
if [ -x /usr/bin/time ]; then
    memory=$(peak_kib sh -c "printf '%s\n' '$password' | '$korbit' encrypt --password-stdin --quiet '$work/data.bin'")
fi

mb=$((size_mib * 1048576))
printf '%-8s %10s %10s\n' tool encrypt decrypt
printf '%-8s %9.2fs %9.2fs\n' korbit "$k_enc" "$k_dec" openssl "$o_enc" "$o_dec" gpg "$g_enc" "$g_dec"
printf 'korbit throughput: %.0f MB/s encrypt, %.0f MB/s decrypt\n' \
    "$(echo "$mb / $k_enc / 1000000" | bc -l)" "$(echo "$mb / $k_dec / 1000000" | bc -l)"
[ -n "$memory" ] && printf 'korbit peak memory: %.1f MiB\n' "$(echo "$memory / 1024" | bc -l)"
printf 'korbit / openssl: %.2f encrypt, %.2f decrypt (target <= 1.0)\n' \
    "$(echo "$k_enc / $o_enc" | bc -l)" "$(echo "$k_dec / $o_dec" | bc -l)"
printf 'korbit / gpg:     %.2f encrypt, %.2f decrypt (target <= 0.6)\n' \
    "$(echo "$k_enc / $g_enc" | bc -l)" "$(echo "$k_dec / $g_dec" | bc -l)"
