#!/usr/bin/env bash
# package_test.sh BUILD_DIR VERSION [DEB]: the Debian package as a clinic gets it. Builds it from
# BUILD_DIR (or takes DEB), checks its name, dependencies and files and lintian's verdict, unpacks
# it into a temporary root and runs its launcher there: first every argument and folder case on a
# stand-in program, then the real program on a virtual display: on a folder without code lists it
# must say so in its own message box; on the demo clinic the desk must come up titled by the
# profession, and a second start while it runs must leave it in place and say so in a box.
# Exit 77 (skipped) where dpkg-deb, cpack, Xvfb or xdotool is missing.
set -uo pipefail

build=$1 version=$2 deb=${3:-}
for tool in dpkg-deb cpack Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "$tool is missing: skipped"; exit 77; }
done

work=$(mktemp -d)
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

if [[ -z $deb ]]; then
    echo "== Building the package"
    cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
        { cat "$work/cpack.log"; echo "FAIL: cpack"; exit 1; }
    deb=$(ls "$work"/out/*.deb)
fi
arch=$(dpkg --print-architecture)
[[ $(basename "$deb") == "kassa_${version}_${arch}.deb" ]] || fail "package named $(basename "$deb")"

echo "== Its dependencies and files"
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6printsupport6 libc6 qt6-translations-l10n qt6-qpa-plugins \
    fonts-liberation2; do
    [[ ", $depends," == *", $package"[\ ,]* ]] || fail "Depends lacks $package: $depends"
done
root=$work/root
dpkg-deb -x "$deb" "$root" || { echo "FAIL: dpkg-deb -x"; exit 1; }
for file in usr/lib/kassa/kassa usr/bin/kassa-klinik usr/share/applications/kassa.desktop \
    usr/share/icons/hicolor/scalable/apps/kassa.svg usr/share/icons/hicolor/48x48/apps/kassa.png \
    usr/share/metainfo/kassa.metainfo.xml usr/share/man/man1/kassa-klinik.1.gz \
    usr/share/doc/kassa/copyright usr/share/doc/kassa/changelog.gz usr/share/kassa/demo/Taxa.txt \
    usr/share/kassa/demo/Åtgärd.txt usr/share/kassa/demo/Inställn.txt; do
    [[ -s $root/$file ]] || fail "$file not in the package"
done
[[ -x $root/usr/lib/kassa/kassa && -x $root/usr/bin/kassa-klinik ]] || fail "the program or the launcher not executable"

if command -v lintian >/dev/null; then
    echo "== lintian"
    lintian --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1
    cat "$work/lintian.log"
    ! grep -q '^E:' "$work/lintian.log" || fail "lintian reports errors"
else
    echo "== lintian is missing: the package is not checked by it"
fi

# --- The launcher's cases, on a copy of the unpacked root whose program is a stand-in that only
# notes which copy was started where, so that every case ends at once.
fake=$work/fake
cp -a "$root" "$fake"
# shellcheck disable=SC2016 # the stand-ins' own expansions
standin='#!/bin/sh\necho %s >"$(dirname "$0")/started"\n'
# shellcheck disable=SC2059 # the format is the stand-in
printf "$standin" installed >"$fake/usr/lib/kassa/kassa"
# shellcheck disable=SC2059
older=$(printf "$standin" older)
home=$work/home clinic=$work/clinic
demo=$root/usr/share/kassa/demo
# A copy that runs: a process whose program is called kassa, named in the lock file.
mkdir -p "$work/bin" && cp "$(command -v sleep)" "$work/bin/kassa"
"$work/bin/kassa" 600 &
live=$!
pids+=("$live")
true & gone=$!; wait "$gone"

# Each case lays out the clinic's folder and says what must follow.
setup_none() { :; }
setup_data() { # a clinic that has worked: its own files and an older program
    mkdir -p "$clinic"
    for file in PatBesök.Dat Inställn.txt Taxa.txt Åtgärd.txt; do echo "clinic's $file" >"$clinic/$file"; done
    echo "$older" >"$clinic/kassa" && chmod +x "$clinic/kassa"
}
setup_taxa_only() { mkdir -p "$clinic"; cp "$demo/Taxa.txt" "$clinic/"; }
setup_running() { setup_data; printf '%s\nkassa\n%s\n' "$live" "$(hostname)" >"$clinic/Kassa.lck"; }
setup_running_gone() { setup_running; rm "$clinic/kassa"; }
setup_stale() { setup_data; printf '%s\nkassa\n%s\n' "$gone" "$(hostname)" >"$clinic/Kassa.lck"; }
setup_other() { setup_data; printf '%s\nkassa\n%s\n' "$$" "$(hostname)" >"$clinic/Kassa.lck"; }

# case | setup | arguments | status | message | folder | copy started | program afterwards | files
cases=(
    "new default folder|none||0|saknar Taxa.txt och Åtgärd.txt|$home/Kassa|installed|installed|"
    "new folder, demo|none|--demo $clinic|0||$clinic|installed|installed|demo"
    "folder with data, demo|data|--demo $clinic|0||$clinic|installed|installed|clinic"
    "folder with data|data|$clinic|0||$clinic|installed|installed|clinic"
    "Åtgärd.txt missing|taxa_only|$clinic|0|saknar Åtgärd.txt\\.|$clinic|installed|installed|"
    "running copy|running|$clinic|0|redan igång|$clinic|older|older|clinic"
    "running copy gone from the folder|running_gone|$clinic|1|redan igång|$clinic|no|none|clinic"
    "lock of a copy that ended|stale|$clinic|0||$clinic|installed|installed|clinic"
    "lock naming another program|other|$clinic|0||$clinic|installed|installed|clinic"
    "unknown option|none|--bogus|2|^Användning: kassa-klinik|$home/Kassa|absent||"
    "two folders|none|$clinic $work/second|2|^Användning: kassa-klinik|$clinic|absent||"
    "--demo twice|none|--demo --demo|2|^Användning: kassa-klinik|$home/Kassa|absent||"
)
echo "== The launcher's cases"
for row in "${cases[@]}"; do
    IFS='|' read -r name setup args status message folder started program files <<<"$row"
    rm -rf "$home" "$clinic" "$work/second" && mkdir -p "$home"
    "setup_$setup"
    # shellcheck disable=SC2086 # the arguments are split as a shell would
    HOME=$home "$fake/usr/bin/kassa-klinik" $args >"$work/out.txt" 2>&1
    got=$?
    [[ $got == "$status" ]] || fail "$name: exit status $got, not $status: $(cat "$work/out.txt")"
    [[ -z $message ]] || grep -Eq "$message" "$work/out.txt" ||
        fail "$name: said \"$(cat "$work/out.txt")\""
    if [[ $started == absent ]]; then
        [[ ! -e $folder ]] || fail "$name: $folder was created"
        continue
    fi
    [[ -d $folder ]] || fail "$name: no folder $folder"
    if [[ $started == no ]]; then
        [[ ! -e $folder/started ]] || fail "$name: the program was started"
    else
        [[ $(cat "$folder/started" 2>/dev/null) == "$started" ]] ||
            fail "$name: the $started program was not started"
    fi
    case $program in
    installed) cmp -s "$fake/usr/lib/kassa/kassa" "$folder/kassa" || fail "$name: the program not copied" ;;
    older) [[ $(cat "$folder/kassa") == "$older" ]] || fail "$name: the running program replaced" ;;
    none) [[ ! -e $folder/kassa ]] || fail "$name: a program copied" ;;
    esac
    for file in PatBesök.Dat Inställn.txt Taxa.txt Åtgärd.txt; do
        case $files in
        clinic) [[ $(cat "$folder/$file") == "clinic's $file" ]] || fail "$name: $file changed" ;;
        demo) [[ $file == PatBesök.Dat ]] && continue
              cmp -s "$demo/$file" "$folder/$file" || fail "$name: demo's $file not laid out" ;;
        esac
    done
    [[ -e $folder/kassa.ny ]] && fail "$name: kassa.ny left behind"
done

# --- The real desk on a virtual display.
echo "== The desk on a virtual display"
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
exec 3>&-
# Xvfb writes its display's number, ending in a newline, once it takes connections.
for _ in $(seq 100); do [[ $(wc -l <"$work/display") -ge 1 ]] && break; sleep 0.1; done
DISPLAY=:$(head -n 1 "$work/display")
export DISPLAY QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work
xdotool getdisplaygeometry >/dev/null 2>&1 ||
    { echo "FAIL: no virtual display ($DISPLAY): $(cat "$work/xvfb.log")"; exit 1; }
chmod 700 "$work"

# message_box NAME PID: the program started as PID shows a message box and, answered, ends with
# status 1; its box is found by the process that owns it.
message_box() {
    local name=$1 pid=$2 box='' got
    for _ in $(seq 300); do
        box=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1)
        [[ -n $box ]] && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if [[ -z $box ]]; then
        fail "$name: no message box"
        kill "$pid" 2>/dev/null
    else
        # No window manager on the display: the box is given the focus by hand.
        xdotool windowfocus "$box" key Return
    fi
    wait "$pid"
    got=$?
    [[ $got == 1 ]] || fail "$name: exit status $got, not 1"
}

# A folder without code lists: the desk's own message names the missing list and it ends.
HOME=$home "$root/usr/bin/kassa-klinik" "$work/empty" >"$work/empty.log" 2>&1 &
pids+=($!)
message_box "folder without code lists" $!
grep -q "saknar Taxa.txt och Åtgärd.txt" "$work/empty.log" || fail "without code lists said \"$(cat "$work/empty.log")\""
cmp -s "$root/usr/lib/kassa/kassa" "$work/empty/kassa" || fail "without code lists: the program not copied"

title="Kassaprogram för Läkare Ver $version"
HOME=$home "$root/usr/bin/kassa-klinik" --demo "$clinic" >"$work/desk.log" 2>&1 &
desk=$!
pids+=("$desk")
window=
for _ in $(seq 300); do
    window=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n 1)
    [[ -n $window ]] && break
    kill -0 "$desk" 2>/dev/null || break
    sleep 0.1
done
if [[ -z $window ]]; then
    fail "the desk did not come up titled \"$title\": $(cat "$work/desk.log")"
else
    [[ $(xdotool getwindowname "$window") == "$title" ]] || fail "the desk titled $(xdotool getwindowname "$window")"
    # A newer package installed while the desk runs: the second start must leave the running copy
    # and start it, which finds the folder locked, says so and ends, changing nothing there.
    echo "newer" >>"$root/usr/lib/kassa/kassa"
    folder_state() { (cd "$clinic" && stat -c '%n %i %s %Y' -- * && cat -- *.txt *.Dat *.lck | md5sum); }
    before=$(folder_state)
    HOME=$home "$root/usr/bin/kassa-klinik" "$clinic" >"$work/second.log" 2>&1 &
    pids+=($!)
    message_box "second start" $!
    grep -q "redan igång" "$work/second.log" || fail "second start said \"$(cat "$work/second.log")\""
    [[ $(folder_state) == "$before" ]] || fail "second start changed the folder: $(folder_state)"
    kill -0 "$desk" 2>/dev/null || fail "the first desk ended"
fi

if ((failures)); then
    echo "$failures failure(s)"
    exit 1
fi
echo "All package checks passed."
