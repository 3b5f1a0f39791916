#!/usr/bin/env bash
# Installs what is missing, builds the desk, lays out a demo program folder (demo-run/ at the
# top of the repository: the program and the sample clinic's files) and starts the desk there.
# Files already in the folder are never overwritten, so the visits registered in the demo, and
# settings changed there, survive a rebuild; only the program itself is replaced.

source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing
build "$REPO/build" -- kassa

folder="$REPO/demo-run"
mkdir -p "$folder"
# Beside the running copy rather than over it: a program that is running cannot be overwritten.
cp "$REPO/build/src/kassa" "$folder/kassa.new"
mv -f "$folder/kassa.new" "$folder/kassa"
for file in "$REPO"/demo/*; do
    name="$(basename "$file")"
    if [[ -e "$folder/$name" ]]; then
        echo "== Keeping $name as it is in demo-run/"
    else
        cp "$file" "$folder/$name"
        echo "== Copied $name to demo-run/"
    fi
done

if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} && -z ${QT_QPA_PLATFORM:-} ]]; then
    echo "No display to show the desk on: start this from a desktop session," >&2
    echo "or under a virtual one: xvfb-run scripts/run-demo.sh" >&2
    exit 1
fi
echo "== Starting the desk in $folder"
exec "$folder/kassa"
