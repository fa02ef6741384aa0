#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# check_package.sh PACKAGE.deb: unpacks the Debian package into a temporary
# folder, runs velmar-cli --version and a velmar --screenshot from there, and
# fails on any lintian error.
set -euo pipefail
deb=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root/pkg"
version=$(dpkg-deb -f "$deb" Version)
failed=0
fail() { echo "$*"; failed=1; }

for file in usr/share/doc/velmar/copyright usr/share/doc/velmar/changelog.gz \
            usr/share/man/man1/velmar-cli.1.gz usr/share/man/man6/velmar.6.gz \
            usr/share/applications/org.example.Velmar.desktop usr/share/velmar/help1.html \
            usr/share/metainfo/org.example.Velmar.metainfo.xml usr/share/mime/packages/org.example.Velmar.xml; do
    [ -s "$root/pkg/$file" ] || fail "missing in the package: $file"
done
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "the section is not games"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "no dependencies worked out from the binaries"

answer=$("$root/pkg/usr/games/velmar-cli" --version)
[ "$answer" = "velmar-cli $version" ] || fail "velmar-cli --version says '$answer', not 'velmar-cli $version'"

mkdir -p "$root/config" "$root/data" "$root/runtime"
chmod 700 "$root/runtime"
XDG_CONFIG_HOME=$root/config XDG_DATA_HOME=$root/data XDG_RUNTIME_DIR=$root/runtime \
    QT_QPA_PLATFORM=offscreen VELMAR_SEED=1 \
    "$root/pkg/usr/games/velmar" --screenshot "$root/shot.png" --new-game 1 ||
    fail "the packaged velmar could not take a screenshot"
[ "$(head -c 8 "$root/shot.png" 2>/dev/null | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] ||
    fail "the screenshot is no PNG picture"

# Lintian refuses to run as root unless told it is fine.
lintian --allow-root --fail-on error "$deb" || fail "lintian reports errors"
exit $failed
