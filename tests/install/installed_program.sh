# SPDX-License-Identifier: GPL-3.0-or-later
# Checks of an installed clock, sourced by the install tests (POSIX sh).

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

need_tool() {
    command -v "$1" >/dev/null 2>&1 || fail "$1 is not installed (Debian package $2)"
}

# expect_layout PREFIX: every file the installed clock needs, where it needs it.
expect_layout() {
    prefix=$1
    program_dir=$prefix/lib/horalux
    for file in horalux cmdtime; do
        [ -f "$program_dir/$file" ] && [ -x "$program_dir/$file" ] || fail "$program_dir/$file is not an executable file"
    done
    for picture in day eve night nighttime; do
        for name in "$picture.bmp" "$picture@2x.bmp"; do
            [ -s "$program_dir/$name" ] || fail "$program_dir/$name is missing"
        done
    done
    [ -s "$program_dir/blip.wav" ] || fail "$program_dir/blip.wav is missing"
    [ -s "$program_dir/help/index.html" ] || fail "the help page $program_dir/help/index.html is missing"
    [ ! -e "$program_dir/help/CMakeLists.txt" ] || fail "the build's CMakeLists.txt was installed as help"

    [ -L "$prefix/bin/horalux" ] || fail "$prefix/bin/horalux is not a symlink"
    case $(readlink "$prefix/bin/horalux") in
        /*) fail "the launcher's link is absolute: the prefix could not move" ;;
    esac
    [ "$(cd "$prefix/bin" && readlink -f horalux)" = "$(cd "$program_dir" && pwd -P)/horalux" ] ||
        fail "$prefix/bin/horalux does not lead to $program_dir/horalux"

    for size in 16 32 48 64 128 256; do
        icon=$prefix/share/icons/hicolor/${size}x$size/apps/horalux.png
        [ -s "$icon" ] || fail "$icon is missing"
    done
    [ -s "$prefix/share/icons/hicolor/scalable/apps/horalux.svg" ] || fail "the scalable icon is missing"
    for file in applications/org.horalux.horalux.desktop metainfo/org.horalux.horalux.metainfo.xml man/man1/horalux.1.gz \
        man/man1/cmdtime.1.gz doc/horalux/copyright doc/horalux/changelog.gz; do
        [ -s "$prefix/share/$file" ] || fail "$prefix/share/$file is missing"
    done
}

# unpack_man_pages PREFIX SCRATCH: the installed man pages uncompressed into
# SCRATCH, their paths printed for expect_valid_metadata.
unpack_man_pages() {
    for page in horalux.1 cmdtime.1; do
        gzip -dc "$1/share/man/man1/$page.gz" >"$2/$page" || fail "gzip -d $1/share/man/man1/$page.gz"
        echo "$2/$page"
    done
}

# expect_valid_metadata DESKTOP METAINFO MANPAGE...: what desktops, software
# centres and man read is free of errors and warnings.
expect_valid_metadata() {
    need_tool desktop-file-validate desktop-file-utils
    need_tool appstreamcli appstream
    need_tool groff groff-base
    desktop=$1 metainfo=$2
    shift 2
    desktop-file-validate "$desktop" || fail "desktop-file-validate $desktop"
    appstreamcli validate --no-net "$metainfo" ||
        fail "appstreamcli validate $metainfo"
    [ "$(xml_text "$metainfo" launchable)" = "$(basename "$desktop")" ] ||
        fail "the metainfo's launchable is not $(basename "$desktop")"
    for page in "$@"; do
        warnings=$(LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z "$page" 2>&1) || fail "groff $page"
        [ -z "$warnings" ] || fail "groff warns about $page: $warnings"
        grep -q '@[A-Z_]*@' "$page" && fail "$page has an unreplaced @VARIABLE@"
    done
    return 0
}

# xml_text FILE ELEMENT: the text of the first such element.
xml_text() {
    sed -n "s:.*<$2[^>]*>\\([^<]*\\)</$2>.*:\\1:p" "$1" | head -n 1
}

# expect_program_starts LAUNCHER PROGRAM_DIR SCRATCH [PLATFORM]: started
# through its launcher on a screen of its own (offscreen, or PLATFORM such as
# xcb on $DISPLAY), with a settings folder of its own, the clock is still
# running after two seconds, has written its settings and has read a
# time-of-day picture from PROGRAM_DIR. The picture is watched with strace: it
# is the one file the clock reads at start-up from its folder.
expect_program_starts() {
    need_tool strace strace
    launcher=$1 scratch=$3 platform=${4:-offscreen}
    program_dir=$(cd "$2" && pwd -P)
    mkdir -p "$scratch/home" "$scratch/config/Horalux" "$scratch/runtime" || fail "cannot make $scratch"
    chmod 700 "$scratch/runtime"
    ini=$scratch/config/Horalux/Horalux.ini
    # No time sync: a test must not ask a server on the internet.
    printf '[data]\nsync=False\n' >"$ini"
    trace=$scratch/openat.log

    HOME=$scratch/home XDG_CONFIG_HOME=$scratch/config XDG_RUNTIME_DIR=$scratch/runtime \
        QT_QPA_PLATFORM=$platform \
        timeout 20 strace -f -qq -e trace=openat -o "$trace" "$launcher" \
        >"$scratch/output.log" 2>&1 &
    pid=$!
    picture="\"$program_dir/\\(day\\|eve\\|night\\|nighttime\\)\\(@2x\\)\\?\\.bmp\", .* = [0-9][0-9]*\$"
    tenths=0
    # Polled, not a fixed wait: a sanitizer build starts slower.
    while [ $tenths -lt 150 ]; do
        kill -0 "$pid" 2>/dev/null || break
        if [ $tenths -ge 20 ] && grep -q '^24hr=' "$ini" && grep -q "$picture" "$trace"; then
            break
        fi
        sleep 0.1
        tenths=$((tenths + 1))
    done
    running=no
    kill -0 "$pid" 2>/dev/null && running=yes
    # timeout passes the signal on to its whole process group: strace and the clock.
    kill "$pid" 2>/dev/null
    # strace -f can be left waiting on a clock whose threads stopped as its
    # main thread ended (seen under the sanitizers): killing strace lets the
    # kernel detach and end them, rather than waiting for ctest's limit.
    waited=0
    while kill -0 "$pid" 2>/dev/null && [ $waited -lt 50 ]; do
        sleep 0.1
        waited=$((waited + 1))
    done
    if kill -0 "$pid" 2>/dev/null; then
        echo "strace and the clock still running 5 s after TERM: killed" >&2
        for child in $(cat "/proc/$pid/task/$pid/children" 2>/dev/null); do
            kill -KILL "$child" 2>/dev/null
        done
        kill -KILL "$pid" 2>/dev/null
    fi
    wait "$pid"

    [ $running = yes ] || fail "the clock ended after $tenths tenths of a second: $(cat "$scratch/output.log")"
    grep -q '^24hr=' "$ini" || fail "no 24hr= in $ini: $(cat "$ini")"
    grep -q '^sync=False' "$ini" || fail "the settings written at start lost sync=False: $(cat "$ini")"
    grep -q "$picture" "$trace" ||
        fail "no time-of-day picture read from $program_dir; it read: $(grep '\.bmp' "$trace")"
    # The idle clock carries neither libcurl nor libssl or libcrypto: they come
    # with the HTTP module, loaded for the day's update check only; nor
    # QtNetwork, nor libcanberra, loaded at the first sound.
    heavy=$(grep -E '(libcurl|libcrypto|libssl|libQt6Network|libcanberra)\.so[^"]*", .* = [0-9]+$' "$trace")
    [ -z "$heavy" ] || fail "the idle clock loaded: $heavy"
    echo "started from $launcher on $platform; read $(grep -o "$program_dir/[a-z@2]*\\.bmp" "$trace" | sort -u | tr '\n' ' ')"
}

# start_x_server SCRATCH: an Xvfb on a free display, exported as DISPLAY; its
# pid in x_server_pid for the caller to end.
start_x_server() {
    need_tool Xvfb xvfb
    Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>"$1/display" >"$1/xvfb.log" 2>&1 &
    x_server_pid=$!
    tenths=0
    # The display number is written once the server takes connections.
    while [ ! -s "$1/display" ] && [ $tenths -lt 100 ]; do
        kill -0 "$x_server_pid" 2>/dev/null || break
        sleep 0.1
        tenths=$((tenths + 1))
    done
    [ -s "$1/display" ] || fail "Xvfb did not start: $(cat "$1/xvfb.log")"
    DISPLAY=:$(cat "$1/display")
    export DISPLAY
}
