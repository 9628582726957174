#!/usr/bin/env bash
# Makes the Debian package from a built tree and checks it: lintian, Debian's package checker, must
# report no error and no warning; Depends names each package once; the changelog must be one dpkg reads, for the package's version;
# every licence the copyright file names must have its own License paragraph.
# Usage: package_lintian.sh <cpack> <build folder>. Exits 77 (skipped) where lintian is missing.
set -euo pipefail
cpack=$1
build=$2

if ! command -v lintian >/dev/null; then
    echo "lintian is not installed: the package is not checked (apt-get install lintian)"
    exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    exit 1
fi
debs=("$work"/*.deb)
deb=${debs[0]}
echo "Package: $(basename "$deb")"

failed=0
fail() { echo "FAIL: $*"; failed=1; }

lintian --display-info --fail-on error,warning "$deb" || fail "lintian reports errors or warnings"

# Each package named once in Depends: the same one again, with or without a version, says nothing.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
twice=$(tr ',|' '\n\n' <<<"$depends" | sed 's/(.*//; s/[[:space:]]//g' | sort | uniq -d)
[ -z "$twice" ] || fail "Depends names more than once: $twice"

dpkg-deb -x "$deb" "$work/root"
doc=$work/root/usr/share/doc/orvane

version=$(dpkg-deb -f "$deb" Version)
zcat "$doc/changelog.gz" >"$work/changelog"
logged=$(dpkg-parsechangelog -l "$work/changelog" -S Version) || fail "dpkg cannot read the changelog"
[ "$logged" = "$version" ] || fail "the changelog's last entry is $logged, the package $version"

# Licences named in Files paragraphs, against the stand-alone License paragraphs (those that have
# no Files field) with their text.
awk -v RS= '
    /(^|\n)Files:/ { if (match($0, /(^|\n)License: *[^\n]*/)) {
                         name = substr($0, RSTART, RLENGTH); sub(/^\n?License: */, "", name); used[name] = 1 } }
    !/(^|\n)Files:/ && /^License: *[^\n]+\n / { name = $0; sub(/^License: */, "", name); sub(/\n.*/, "", name)
                                               given[name] = 1 }
    END { for (name in used) if (!(name in given)) { print "no License paragraph for " name; bad = 1 }
          exit bad }
' "$doc/copyright" || fail "the copyright file names a licence it does not give"

exit $failed
