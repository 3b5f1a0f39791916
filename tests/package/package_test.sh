#!/usr/bin/env bash
# package_test.sh BUILD_DIR VERSION [DEB]: the Debian package as a clinic gets it. Builds it from
# BUILD_DIR (or takes DEB), checks its name, dependencies and files and lintian's verdict, unpacks
# it into a temporary root and runs its launcher there: first every argument and folder case on a
# stand-in program, then the real desk on a virtual display, which must come up titled by the
# profession and must not be replaced by a second start while it runs.
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
# notes where it was started, so that every case ends at once.
fake=$work/fake
cp -a "$root" "$fake"
# shellcheck disable=SC2016 # the stand-in's own expansions
printf '#!/bin/sh\necho started >"$(dirname "$0")/started"\n' >"$fake/usr/lib/kassa/kassa"
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
    echo "older program" >"$clinic/kassa"
}
setup_taxa_only() { mkdir -p "$clinic"; cp "$demo/Taxa.txt" "$clinic/"; }
setup_running() { setup_data; printf '%s\nkassa\n%s\n' "$live" "$(hostname)" >"$clinic/Kassa.lck"; }
setup_stale() { setup_data; printf '%s\nkassa\n%s\n' "$gone" "$(hostname)" >"$clinic/Kassa.lck"; }
setup_other() { setup_data; printf '%s\nkassa\n%s\n' "$$" "$(hostname)" >"$clinic/Kassa.lck"; }

# case | setup | arguments | status | message | folder | started | program afterwards | files
cases=(
    "new default folder|none||1|saknar Taxa.txt och Åtgärd.txt|$home/Kassa|no|none|"
    "new folder, demo|none|--demo $clinic|0||$clinic|yes|installed|demo"
    "folder with data, demo|data|--demo $clinic|0||$clinic|yes|installed|clinic"
    "folder with data|data|$clinic|0||$clinic|yes|installed|clinic"
    "Åtgärd.txt missing|taxa_only|$clinic|1|saknar Åtgärd.txt\\.|$clinic|no|none|"
    "running copy|running|$clinic|1|redan igång|$clinic|no|older|clinic"
    "lock of a copy that ended|stale|$clinic|0||$clinic|yes|installed|clinic"
    "lock naming another program|other|$clinic|0||$clinic|yes|installed|clinic"
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
    if [[ $started == yes && ! -e $folder/started ]]; then fail "$name: the program was not started"; fi
    if [[ $started == no && -e $folder/started ]]; then fail "$name: the program was started"; fi
    case $program in
    installed) cmp -s "$fake/usr/lib/kassa/kassa" "$folder/kassa" || fail "$name: the program not copied" ;;
    older) [[ $(cat "$folder/kassa") == "older program" ]] || fail "$name: the running program replaced" ;;
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
    # A newer package installed while the desk runs: the second start must leave the running copy.
    echo "newer" >>"$root/usr/lib/kassa/kassa"
    before=$(stat -c %i:%s "$clinic/kassa")
    # Bounded: a launcher that started a second copy would leave it showing its message.
    HOME=$home timeout 20 "$root/usr/bin/kassa-klinik" "$clinic" >"$work/second.log" 2>&1
    got=$?
    [[ $got == 1 ]] || fail "second start: exit status $got"
    grep -q "redan igång" "$work/second.log" || fail "second start said \"$(cat "$work/second.log")\""
    [[ $(stat -c %i:%s "$clinic/kassa") == "$before" ]] || fail "second start replaced the running copy"
    kill -0 "$desk" 2>/dev/null || fail "the first desk ended"
fi

if ((failures)); then
    echo "$failures failure(s)"
    exit 1
fi
echo "All package checks passed."
