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
    if [ ! -d "$folder" ]; then
        echo "tidy.sh: no folder $folder" >&2
        exit 2
    fi
    folder=$(realpath --relative-to=. "$folder")
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

log=$(mktemp)
trap 'rm -f "$log"' EXIT
status=0
runner=$(command -v run-clang-tidy || command -v run-clang-tidy-14 || true)
# Without clang's count of the warnings it hid in other headers (keeping a colour's reset).
quieter() {
    sed -E -e '/^[0-9]+ warnings? (and [0-9]+ errors? )?generated\.$/d' \
        -e 's/^((\x1b\[[0-9;]*m)+)[0-9]+ warnings? (and [0-9]+ errors? )?generated\.$/\1/'
}
if [ -n "$runner" ]; then
    "$runner" -quiet -p build -j "$jobs" -header-filter "$headers" "${extra[@]}" "$files" 2>&1 |
        quieter | tee "$log" || status=$?
else
    xargs -r -P "$jobs" -n 4 clang-tidy --quiet -p build --header-filter="$headers" "${extra[@]}" \
        <<<"$sources" 2>&1 | quieter | tee "$log" || status=$?
fi

# The findings by check, each place once (a header's is reported by every source including it).
summary=$(sed 's/\x1b\[[0-9;]*m//g' "$log" |
    grep -oE '^/[^ ]+:[0-9]+:[0-9]+: (warning|error): .*\[[a-z0-9.-]+' | sort -u |
    grep -oE '\[[a-z0-9.-]+$' | tr -d '[' | sort | uniq -c | sort -rn || true)
if [ -n "$summary" ]; then
    echo
    echo "Findings by check:"
    echo "$summary"
    if [ "$status" -eq 0 ]; then status=1; fi
fi
exit "$status"
