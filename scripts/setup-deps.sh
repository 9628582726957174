#!/usr/bin/env bash
# Installs the Debian packages Orvane needs, if any is missing:
#   setup-deps.sh program   what building and running the program needs (scripts/packages/program.list)
#   setup-deps.sh tests     that and what the tests need as well (scripts/packages/tests.list)
# A line "a | b" of a list takes the first package the installed release's archive offers, for the
# names that differ between Debian releases.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

case "${1:-tests}" in
    program) lists=(program) ;;
    tests) lists=(program tests) ;;
    *) echo "usage: setup-deps.sh [program|tests]" >&2; exit 2 ;;
esac

# (Whole answers are read before matching: grep -q would end the pipe early, failing it.)
installed() { [[ "$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null)" == "install ok installed" ]]; }
offered() { [[ "$(apt-cache policy "$1" 2>/dev/null)" =~ Candidate:\ [^\(] ]]; }

# Every line of the lists that no installed package fulfils yet.
wanted=()
for list in "${lists[@]}"; do
    while IFS= read -r line; do
        line=${line%%#*}
        [ -n "${line//[[:space:]|]/}" ] || continue
        IFS='|' read -r -a choices <<<"$line"
        fulfilled=0
        for choice in "${choices[@]}"; do
            installed $choice && { fulfilled=1; break; }
        done
        [ "$fulfilled" = 1 ] || wanted+=("$(echo $line)")
    done <"$here/packages/$list.list"
done
[ ${#wanted[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq

# The package each wanted line stands for in this release's archive.
missing=()
for line in "${wanted[@]}"; do
    IFS='|' read -r -a choices <<<"$line"
    chosen=""
    for choice in "${choices[@]}"; do
        offered $choice && { chosen=$(echo $choice); break; }
    done
    if [ -z "$chosen" ]; then
        echo "setup-deps: nenhum pacote / no package in this release's archive for: $line" >&2
        exit 1
    fi
    missing+=("$chosen")
done
echo "Instalando / installing: ${missing[*]}"
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
