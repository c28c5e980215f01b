#!/usr/bin/env bash
# Composes the AppStream catalog of an installed tree as a distribution's
# generator makes its archive's catalog from a package (appstreamcli compose,
# from Debian's appstream-compose), and checks that what a software centre
# lists comes through: no hint against the data, the icon cached at the sizes
# stores draw it and present as a file, the screenshot with its captions,
# the desktop entry's keywords and the release notes.
#   check-compose.sh PREFIX APP_ID VERSION WORKDIR
set -euo pipefail
prefix=$1 app_id=$2 version=$3 work=$4
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
command -v appstreamcli >/dev/null || fail "MISSING TOOL: appstreamcli (install appstream)"
appstreamcli compose --help >/dev/null 2>&1 ||
  fail "MISSING TOOL: appstreamcli compose (install appstream-compose)"

rm -rf "$work"
mkdir -p "$work"
origin=bjt-calculator
# The installed tree is laid out under its prefix as a package's is under /usr.
appstreamcli compose --no-color --no-net --print-report=full --prefix=/ --origin=$origin \
  --result-root="$work/result" "$prefix" >"$work/compose.log" 2>&1 ||
  fail "appstreamcli compose failed: $(cat "$work/compose.log")"
cat "$work/compose.log"
! grep -qE '^ +[EWI]: ' "$work/compose.log" || fail "the composer has hints against the data"

catalog=$(find "$work/result" -name "$origin.xml.gz")
[ -n "$catalog" ] || fail "no catalog $origin.xml.gz under $work/result"
gzip -dc "$catalog" >"$work/catalog.xml"
grep -q "<id>$app_id</id>" "$work/catalog.xml" || fail "the catalog has no component $app_id"

# What must come through, as a row each: what it is | a line of the catalog.
missing=0
while IFS='|' read -r what pattern; do
  grep -qE "$pattern" "$work/catalog.xml" || {
    echo "FAIL: no $what in the catalog" >&2
    missing=1
  }
done <<EOF
icon cached at 64 x 64|<icon type="cached" width="64" height="64">$app_id\.[a-z]+</icon>
icon cached at 128 x 128|<icon type="cached" width="128" height="128">$app_id\.[a-z]+</icon>
default screenshot|<screenshot type="default">
screenshot image|<image type="source">https://[^<]+\.png</image>
screenshot caption|<caption>[^<]+</caption>
Italian screenshot caption|<caption xml:lang="it">[^<]+</caption>
release of this version|<release [^>]*version="$version"
EOF
# The desktop entry's keywords, in English and in Italian (AppStream data of
# its own would replace them).
for keywords in '<keywords>' '<keywords xml:lang="it">'; do
  sed -n "\\|$keywords|,\\|</keywords>|p" "$work/catalog.xml" | grep -q '<keyword>hFE</keyword>' || {
    echo "FAIL: the desktop entry's keyword hFE is not among the catalog's $keywords" >&2
    missing=1
  }
done
((!missing)) || exit 1

# Each cached icon the catalog names is there.
sizes=$(sed -n "s|.*<icon type=\"cached\" width=\"\([0-9]*\)\" height=\"[0-9]*\"\( scale=\"\([0-9]\)\"\)\{0,1\}>\(.*\)</icon>.*|\1x\1:\3:\4|p" \
  "$work/catalog.xml")
while IFS=: read -r size scale name; do
  dir=$size${scale:+@$scale}
  [ -s "$(dirname "$catalog")/../icons/$origin/$dir/$name" ] || fail "cached icon $dir/$name is missing"
done <<<"$sizes"
echo "composed: $app_id with $(grep -c . <<<"$sizes") cached icons, its screenshot, keywords and release $version"
