#!/usr/bin/env bash
# Runs clang-tidy (the checks of .clang-tidy) over the sources of the given folders, calc/ when
# none is given, and over the headers in those folders that they include; any finding fails.
# Needs build/compile_commands.json (bash scripts/build.sh writes it).
# Usage: scripts/tidy.sh [-j JOBS] [FOLDER...]    e.g. scripts/tidy.sh calc engine
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=2
if [ "${1:-}" = "-j" ]; then
    jobs=$2
    shift 2
fi
folders=("$@")
if ((${#folders[@]} == 0)); then folders=(calc); fi

if [ ! -f build/compile_commands.json ]; then
    echo "tidy.sh: no build/compile_commands.json: run bash scripts/build.sh first" >&2
    exit 2
fi

quote() { sed 's/[.[\*^$+?(){}|]/\\&/g' <<<"$1"; }

# The folders as one alternation of paths, for the files and for the headers.
root=$(quote "$(pwd -P)")
alternation=
for folder in "${folders[@]}"; do
    folder=${folder%/}
    if [ ! -d "$folder" ]; then
        echo "tidy.sh: no folder $folder" >&2
        exit 2
    fi
    alternation+="${alternation:+|}$(quote "$folder")"
done
files="^$root/($alternation)/.*\.cpp$"
headers="^$root/($alternation)/.*\.h$"

# The folders' sources that the build compiles.
sources=$(python3 -c 'import json, re, sys
pattern = re.compile(sys.argv[1])
for entry in json.load(open("build/compile_commands.json")):
    if pattern.match(entry["file"]):
        print(entry["file"])' "$files" | sort -u)
if [ -z "$sources" ]; then
    echo "tidy.sh: build/compile_commands.json compiles no source of ${folders[*]}" >&2
    exit 2
fi

# The compile commands are g++'s: clang does not know some of its warning flags, and -Werror
# would turn clang's own warnings into findings that are not the checks'.
extra=(-extra-arg=-Wno-unknown-warning-option -extra-arg=-Wno-error)

runner=$(command -v run-clang-tidy || command -v run-clang-tidy-14 || true)
if [ -n "$runner" ]; then
    "$runner" -quiet -p build -j "$jobs" -header-filter "$headers" "${extra[@]}" "$files"
else
    xargs -r -P "$jobs" -n 4 clang-tidy --quiet -p build --header-filter="$headers" "${extra[@]}" \
        <<<"$sources"
fi
