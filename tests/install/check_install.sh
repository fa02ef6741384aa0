#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# check_install.sh BUILD_DIR: installs the build into a temporary prefix,
# checks that every file a desktop needs is there and sound, and runs
# desktop-file-validate and appstreamcli over the desktop entry and the
# metainfo. Exit status 77 (skipped) when a validator is not installed.
set -euo pipefail
build=$1
id=org.example.Velmar

for tool in desktop-file-validate appstreamcli update-mime-database; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 77; }
done

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
failed=0
fail() { echo "$*"; failed=1; }

share=$prefix/share
icons=$share/icons/hicolor
for file in bin/velmar bin/velmar-cli share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
            share/icons/hicolor/scalable/apps/$id.svg share/velmar/help1.html \
            share/man/man1/velmar-cli.1 share/man/man6/velmar.6; do
    [ -s "$prefix/$file" ] || fail "missing: $file"
done
[ -x "$prefix/libexec/velmar/velmar-picture" ] || fail "not a program: libexec/velmar/velmar-picture"
for program in velmar velmar-cli; do
    [ -x "$prefix/bin/$program" ] || fail "not a program: bin/$program"
done

# A PNG's width and height are the big-endian words at bytes 16 and 20.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }'; }
for size in 16 32 48 64 128 256; do
    png=$icons/${size}x$size/apps/$id.png
    if [ ! -f "$png" ]; then
        fail "missing: ${png#"$prefix"/}"
    elif [ "$(png_size "$png")" != "${size}x$size" ]; then
        fail "${png#"$prefix"/} is $(png_size "$png"), not ${size}x$size"
    fi
done

desktop=$share/applications/$id.desktop
grep -qx "Icon=$id" "$desktop" || fail "$id.desktop does not name the icon $id"
grep -qx "Exec=velmar %F" "$desktop" || fail "$id.desktop does not start velmar with the files"
# The file types register, and each is one the desktop entry opens.
mime=$share/mime
[ -s "$mime/packages/$id.xml" ] || fail "missing: share/mime/packages/$id.xml"
update-mime-database "$mime" 2>"$prefix/mime.log" || { cat "$prefix/mime.log"; fail "update-mime-database failed"; }
for type in application/x-velmar-replay text/x-sudoku; do
    [ -s "$mime/$type.xml" ] || fail "the type $type is not registered"
    grep -q "^MimeType=.*$type;" "$desktop" || fail "$id.desktop does not open $type"
done
grep -qx "Categories=Game;LogicGame;" "$desktop" || fail "$id.desktop is not in Game;LogicGame;"
grep -qF "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$share/metainfo/$id.metainfo.xml" ||
    fail "the metainfo does not launch $id.desktop"
"$prefix/bin/velmar-cli" --help >/dev/null || fail "the installed velmar-cli does not run"
# velmar-cli picture finds its drawing program in the libexec folder.
empty_board=$(printf '3,%.0s' $(seq 80))3
echo "$empty_board" | QT_QPA_PLATFORM=offscreen "$prefix/bin/velmar-cli" picture --out "$prefix/board.bmp" ||
    fail "the installed velmar-cli picture does not draw"
[ "$(head -c 2 "$prefix/board.bmp" 2>/dev/null)" = BM ] || fail "the installed velmar-cli picture wrote no BMP"

desktop-file-validate "$desktop" || fail "desktop-file-validate failed"
appstreamcli validate --no-net --explain "$share/metainfo/$id.metainfo.xml" >"$prefix/appstream.log" 2>&1 ||
    { cat "$prefix/appstream.log"; fail "appstreamcli validate failed"; }
exit $failed
