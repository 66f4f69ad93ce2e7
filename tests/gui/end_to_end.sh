#!/usr/bin/env bash
# Corvane run as a user runs it: on a private bare X server, with real key
# presses sent through the X server (xdotool), one file is chosen in the Open
# dialog, encrypted with a password typed twice (a first, wrong confirmation
# is refused) and decrypted again; a second `corvane FILE` hands another file
# to the running window, which encrypts it; Ctrl+Q ends the program. Last,
# pictures of the window at scale 2 and, with PICTURE_TOOL, on a dark palette,
# with a suggested password for several files, and after a run of several
# files that did not all succeed.
#
#   end_to_end.sh CORVANE GRAB_TOOL SCREENSHOT_DIR [PICTURE_TOOL]
#
# Exits 0 when the file came back byte for byte, 77 when Xvfb or xdotool are
# not installed, and otherwise 1 after naming the step that failed.
#
# The program is driven by keyboard only, never by clicking at guessed
# positions: the window's layout (picture sizes, fonts) decides where a button
# lies, but not the focus order. When the main window is first activated Qt
# gives the focus to the first widget of its tab chain, the file box; Tab
# moves to "Select File" and Space presses it. The Open dialog starts with the
# focus in its file-name field. After a choice the program puts the focus in
# the password box, where Return presses "Encrypt" (later "Decrypt"). Encrypt
# opens the confirmation dialog with the focus in its password box.
set -euo pipefail

if [[ $# -ne 3 && $# -ne 4 ]]; then
    echo "usage: $0 CORVANE GRAB_TOOL SCREENSHOT_DIR [PICTURE_TOOL]" >&2
    exit 2
fi
corvane=$1
grab_tool=$2
screenshot_dir=$3
picture_tool=${4:-}

for tool in Xvfb xdotool timeout cmp; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: '$tool' is not installed (Debian: xvfb, xdotool)"
        exit 77
    fi
done
for program in "$corvane" "$grab_tool"; do
    if [[ ! -x $program ]]; then
        echo "FAIL: no program at $program" >&2
        exit 1
    fi
done

readonly password='correct horse'
readonly main_title='^  Ardentis'  # the main window's caption starts with two blanks
readonly open_title='^Open$'      # Qt's own Open dialog
readonly confirm_title='^ Ardentis' # the confirmation: one blank, unlike the main window

step_name="setting up"
work=$(mktemp -d "${TMPDIR:-/tmp}/corvane-e2e.XXXXXX")
xvfb_pid=""
corvane_pid=""

step() {
    step_name=$1
    echo "[corvane e2e] $step_name"
}

# Stops at the current step, with the program's own output for the record.
fail() {
    echo "[corvane e2e] FAILED at step '$step_name': $*" >&2
    if [[ -s $work/corvane.log ]]; then
        echo "---- corvane output ----" >&2
        cat "$work/corvane.log" >&2
        echo "------------------------" >&2
    fi
    exit 1
}

stop_process() {
    local pid=$1
    [[ -n $pid ]] || return 0
    kill "$pid" 2>/dev/null || return 0
    for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

cleanup() {
    local status=$?
    set +e
    stop_process "$corvane_pid"
    stop_process "$xvfb_pid"
    rm -rf "$work"
    if [[ $status -eq 0 ]]; then
        echo "[corvane e2e] PASSED"
    fi
    exit "$status"
}
trap cleanup EXIT
trap 'fail "command failed (line $LINENO): $BASH_COMMAND"' ERR
trap 'exit 1' INT TERM

# Polls `$@` every 0.1 s for up to $1 seconds; true once it succeeds.
wait_until() {
    local seconds=$1
    shift
    local tries=$((seconds * 10))
    while ((tries-- > 0)); do
        if "$@"; then
            return 0
        fi
        sleep 0.1
    done
    return 1
}

starts_with_container_tag() { [[ $(head -c 4 "$1") == "xjeS" ]]; }
same_bytes() { cmp -s "$1" "$2"; }
# Only the file itself in its folder: no temporary left beside it.
folder_holds_only() { [[ $(ls -A "$(dirname "$1")") == "$(basename "$1")" ]]; }

# The X window id of the visible window whose name matches $1, or nothing.
find_window() {
    timeout 2 xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true
}

window_shown() { [[ -n $(find_window "$1") ]]; }
window_gone() { [[ -z $(find_window "$1") ]]; }

# Puts the X keyboard focus on window $1; with no window manager nobody else does.
focus_window() {
    xdotool windowfocus --sync "$1" || fail "could not give the keyboard focus to window $1"
}

# Saves window $1 as $2 (PNG) and says where.
screenshot() {
    mkdir -p "$(dirname "$2")"
    "$grab_tool" "$2" "$1" >/dev/null || fail "could not save a picture of window $1"
    echo "[corvane e2e] screenshot: $2"
}

# The program is up: its main window is shown (and it has not died meanwhile).
main_window_up() {
    kill -0 "$corvane_pid" 2>/dev/null || fail "corvane exited before showing its main window"
    window_shown "$main_title"
}

# A run over the file has begun or ended since it was (yes/no: $1) encrypted:
# a temporary file sits beside it, or it changed state.
run_state_changed() {
    [[ $(ls -A "$data_dir" | wc -l) -gt 1 ]] && return 0
    if starts_with_container_tag "$file"; then [[ $1 == no ]]; else [[ $1 == yes ]]; fi
}

# Presses Return in the password box and waits for the run to show. The button
# is enabled again only after the file is in place, so a Return sent in that
# instant is ignored; then it is sent once more. A second Return can do no
# harm while a run is going: the button is disabled until it ends.
press_return_for_run() {
    xdotool key Return
    if ! wait_until 5 run_state_changed "$1"; then
        echo "[corvane e2e] no run yet; pressing Return once more"
        focus_window "$main_window"
        xdotool key Return
    fi
}

# Presses Return to encrypt and waits for the dialog that asks for the
# password again; sets $confirm to it and gives it the keyboard.
open_confirmation() {
    xdotool key Return
    if ! wait_until 5 window_shown "$confirm_title"; then
        echo "[corvane e2e] no confirmation yet; pressing Return once more"
        focus_window "$main_window"
        xdotool key Return
        wait_until 10 window_shown "$confirm_title" || fail "the confirmation dialog did not appear"
    fi
    confirm=$(find_window "$confirm_title")
    focus_window "$confirm"
}

# Presses Return to encrypt and confirms the password: $1 is the file's
# yes/no state as for press_return_for_run.
press_return_and_confirm() {
    open_confirmation
    xdotool type --delay 15 "$password"
    xdotool key Return
    wait_until 10 window_gone "$confirm_title" || fail "the confirmation dialog did not close"
    wait_until 10 run_state_changed "$1" || fail "no run after the confirmation"
}

step "starting a private X server (Xvfb)"
display_file=$work/display
: >"$display_file"
# Tall enough for the whole window at scale factor 2 (the logo is at its foot).
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
# Xvfb writes its display number, then a newline, once it accepts clients.
wait_until 20 grep -q '^[0-9][0-9]*$' "$display_file" || {
    cat "$work/xvfb.log" >&2
    fail "Xvfb did not report a display number"
}
DISPLAY=":$(head -n 1 "$display_file")"
export DISPLAY
echo "[corvane e2e] X display $DISPLAY"

step "preparing a private home and the test file"
export HOME=$work/home
export XDG_CONFIG_HOME=$HOME/.config
export XDG_DATA_HOME=$HOME/.local/share
export XDG_CACHE_HOME=$HOME/.cache
export XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
chmod 0700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb
# Qt's own widgets dialog, not a desktop's: no desktop is named, no session bus
# can be reached (nor started), no accessibility bridge.
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION GNOME_DESKTOP_SESSION_ID KDE_FULL_SESSION \
    QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE WAYLAND_DISPLAY SESSION_MANAGER
export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-session-bus"
export NO_AT_BRIDGE=1 QT_ACCESSIBILITY=0
# Untranslated captions: the dialog is found by its title "Open".
export LANG=C.UTF-8 LC_ALL=C.UTF-8
unset LANGUAGE

# The file lives alone in its folder, so that anything the program leaves
# beside it shows. Random bytes with a known text in the middle.
data_dir=$work/data
mkdir -p "$data_dir"
file=$data_dir/Quarterly-report.bin
original=$work/original.bin
readonly marker='Corvane end-to-end: this sentence must not survive encryption.'
{
    head -c $((3 * 1024 * 1024 / 2)) /dev/urandom
    printf '%s' "$marker"
    head -c $((3 * 1024 * 1024 / 2)) /dev/urandom
} >"$original"
cp "$original" "$file"
echo "[corvane e2e] test file $file ($(stat -c %s "$file") bytes)"

step "starting corvane"
"$corvane" >"$work/corvane.log" 2>&1 &
corvane_pid=$!

step "waiting for the main window"
wait_until 30 main_window_up || fail "no window named like '$main_title' within 30 s"
main_window=$(find_window "$main_title")
echo "[corvane e2e] main window $main_window: $(xdotool getwindowgeometry "$main_window" | tail -n +2 | tr -s ' \n' ' ')"

step "pressing Select File (Tab from the file box, then Space)"
focus_window "$main_window"
xdotool key --delay 50 Tab space
wait_until 20 window_shown "$open_title" || fail "the Open dialog did not appear"
dialog=$(find_window "$open_title")

step "typing the file's path into the Open dialog and pressing Return"
focus_window "$dialog"
xdotool type --delay 15 "$file"
xdotool key Return
# Return may first only close the file-name completer's list; press it once
# more while the dialog is still up (the text already names the file).
if ! wait_until 3 window_gone "$open_title"; then
    echo "[corvane e2e] the dialog is still open; pressing Return once more"
    xdotool key Return
    wait_until 10 window_gone "$open_title" || fail "the Open dialog did not close"
fi

step "typing the password"
# The focus is in the password box now; the window gets the keyboard back
# explicitly since no window manager hands it over when the dialog goes.
focus_window "$main_window"
xdotool type --delay 15 "$password"
screenshot "$main_window" "$screenshot_dir/main_window.png"

step "pressing Return to encrypt: the confirmation refuses a different password"
open_confirmation
xdotool type --delay 15 "not the password"
xdotool key Return
sleep 0.5
window_shown "$confirm_title" || fail "the dialog closed on a password that does not match"
same_bytes "$file" "$original" || fail "the file changed after a confirmation that did not match"
screenshot "$confirm" "$screenshot_dir/confirm_mismatch.png"

step "confirming with the same password"
xdotool type --delay 15 "$password"
xdotool key Return
wait_until 10 window_gone "$confirm_title" || fail "the confirmation dialog did not close"
focus_window "$main_window"
wait_until 60 starts_with_container_tag "$file" || fail "the file does not start with \"xjeS\" after 60 s"
if grep -qF "$marker" "$file"; then
    fail "the encrypted file still holds the original text"
fi
wait_until 10 folder_holds_only "$file" || fail "files left beside the encrypted file: $(ls -A "$data_dir")"
echo "[corvane e2e] encrypted: $(stat -c %s "$file") bytes, starting with \"xjeS\""

step "pressing Return again to decrypt"
focus_window "$main_window"
press_return_for_run yes
wait_until 60 same_bytes "$file" "$original" || fail "the file is not byte-identical to the original after 60 s"
wait_until 10 folder_holds_only "$file" || fail "files left beside the decrypted file: $(ls -A "$data_dir")"
kill -0 "$corvane_pid" 2>/dev/null || fail "corvane exited"
echo "[corvane e2e] decrypted: byte-identical to the original"

step "taking the screenshot after the run"
# The file is back before the window has repainted the ended run.
sleep 0.5
screenshot "$main_window" "$screenshot_dir/main_window_outcome.png"

step "handing a second file over with a second 'corvane FILE'"
second_file=$data_dir/Second-file.txt
printf 'A second file, handed over by a second copy of the program.\n' >"$second_file"
cp "$second_file" "$work/second.orig"
timeout 20 "$corvane" "$second_file" >>"$work/corvane.log" 2>&1 || fail "the second copy did not hand the file over (status $?)"
kill -0 "$corvane_pid" 2>/dev/null || fail "the running copy exited"
focus_window "$main_window"
# The window selected the file and put the focus in the password box, which
# still holds the password.
press_return_and_confirm no
wait_until 60 starts_with_container_tag "$second_file" || fail "the handed-over file was not encrypted"
same_bytes "$file" "$original" || fail "the first file changed when the second was encrypted"
echo "[corvane e2e] the second copy's file was encrypted by the running window"

step "Ctrl+Q ends the program"
focus_window "$main_window"
xdotool key ctrl+q
wait_until 10 bash -c "! kill -0 $corvane_pid 2>/dev/null" || fail "corvane still runs after Ctrl+Q"
wait "$corvane_pid" 2>/dev/null || true
corvane_pid=""

step "the window at scale 2"
QT_SCALE_FACTOR=2 "$corvane" "$second_file" >"$work/corvane.log" 2>&1 &
corvane_pid=$!
wait_until 30 main_window_up || fail "no window at scale 2 within 30 s"
main_window=$(find_window "$main_title")
sleep 0.5
screenshot "$main_window" "$screenshot_dir/main_window_scale2.png"

step "the hand cursor at scale 2"
# Over the logo, the widest picture, at the bottom left of the fixed-size
# window: the cursor is the 2x drawing with its hot spot on the fingertip.
read -r _ _ width height < <(xdotool getwindowgeometry "$main_window" | sed -n 's/.*Geometry: \([0-9]*\)x\([0-9]*\).*/x x \1 \2/p')
xdotool mousemove --window "$main_window" $((width * 19 / 100)) $((height * 90 / 100))
sleep 0.3
cursor_status=77
cursor="python3 is not installed"
if command -v python3 >/dev/null 2>&1; then
    cursor_status=0
    cursor=$(python3 "$(dirname "$0")/tools/cursor_image.py") || cursor_status=$?
fi
if [[ $cursor_status -eq 77 ]]; then
    echo "[corvane e2e] cursor not checked: $cursor"
elif [[ $cursor != "64 64 24 2" ]]; then
    fail "the cursor over the logo is '$cursor' (width height hot-x hot-y), not the 2x hand '64 64 24 2'"
else
    echo "[corvane e2e] cursor: 64x64, hot spot on the fingertip (24, 2)"
fi

if [[ -n $picture_tool ]]; then
    step "the window on a dark palette"
    stop_process "$corvane_pid"
    corvane_pid=""
    QT_QPA_PLATFORM=offscreen "$picture_tool" "$screenshot_dir/main_window_dark.png" --dark "$file" \
        || fail "could not draw the window on a dark palette"
    echo "[corvane e2e] screenshot: $screenshot_dir/main_window_dark.png"

    step "several files: a suggested password on a dark palette, and the summary of a run"
    pictures=$work/pictures
    mkdir -p "$pictures"
    printf 'Minutes of the meeting.\n' >"$pictures/minutes.odt"
    head -c 300000 /dev/urandom >"$pictures/photo.jpg"
    printf 'Notes kept under another password.\n' >"$pictures/notes.txt"
    cp "$second_file" "$pictures/letter.txt"  # encrypted above
    QT_QPA_PLATFORM=offscreen "$picture_tool" "$screenshot_dir/main_window_several_dark.png" --dark --suggest \
        "$pictures/minutes.odt" "$pictures/photo.jpg" "$pictures/letter.txt" \
        || fail "could not draw the window with a suggested password"
    QT_QPA_PLATFORM=offscreen "$picture_tool" "$work/notes.png" --run "another password" "$pictures/notes.txt" \
        >/dev/null || fail "could not encrypt the notes under another password"
    starts_with_container_tag "$pictures/notes.txt" || fail "the notes were not encrypted"
    QT_QPA_PLATFORM=offscreen "$picture_tool" "$screenshot_dir/main_window_summary.png" --run "$password" \
        "$pictures/minutes.odt" "$pictures/notes.txt" /proc/self/status "$pictures/photo.jpg" \
        || fail "could not draw the summary of a run of several files"
    starts_with_container_tag "$pictures/minutes.odt" && starts_with_container_tag "$pictures/photo.jpg" \
        || fail "the files of the run of several were not encrypted"
    echo "[corvane e2e] screenshots: main_window_several_dark.png, main_window_summary.png"

    step "the window in German"
    printf 'Bericht.\n' >"$pictures/bericht.txt"
    QT_QPA_PLATFORM=offscreen "$picture_tool" "$screenshot_dir/main_window_de.png" --language de_DE \
        "$pictures/bericht.txt" || fail "could not draw the window in German"
    echo "[corvane e2e] screenshot: $screenshot_dir/main_window_de.png"
fi
