#!/usr/bin/env bash
# cxtool skin list / value / unpack / pack on a shipped skin: unpacking and
# packing again gives the same entries; bad files fail with a reason.
#   cxtool_skin.sh CXTOOL SKINFILE
set -euo pipefail
cxtool=$1 skin=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$cxtool" skin list "$skin" > "$work/list"
grep -q $'^buttons.bmp\t[0-9]' "$work/list" || fail "list lacks buttons.bmp"
grep -q $'^skin.ini\t[0-9]' "$work/list" || fail "list lacks skin.ini"

[ "$("$cxtool" skin value "$skin" titlebarskin SKINNAME)" = "春暖花开" ] || fail "value of SkinName"
[ "$("$cxtool" skin value "$skin" Buttons Frame)" = "5" ] || fail "value of Frame"
[ -z "$("$cxtool" skin value "$skin" Buttons NoSuchKey)" ] || fail "missing key is not empty"

"$cxtool" skin unpack "$skin" "$work/out"
[ "$(ls "$work/out" | wc -l)" = "$(wc -l < "$work/list")" ] || fail "unpack wrote another number of files"
"$cxtool" skin pack "$work/out" "$work/again.skn"
"$cxtool" skin list "$work/again.skn" | sort > "$work/list2"
sort "$work/list" | cmp -s - "$work/list2" || fail "pack after unpack changed the entries"
"$cxtool" skin unpack "$work/again.skn" "$work/out2"
diff -r "$work/out" "$work/out2" >/dev/null || fail "pack after unpack changed the contents"

head -c 40 "$skin" > "$work/cut.skn"
if "$cxtool" skin list "$work/cut.skn" 2> "$work/err"; then fail "a cut file was listed"; fi
[ -s "$work/err" ] || fail "no reason given for a cut file"
if "$cxtool" skin list "$work/none.skn" 2>/dev/null; then fail "a missing file was listed"; fi
echo "cxtool skin: all checks passed"
