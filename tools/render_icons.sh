#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders data/icons/velmar.svg into the committed PNG sizes of the hicolor
# theme. Run it after changing the SVG (needs rsvg-convert, Debian librsvg2-bin).
set -euo pipefail

icons=$(cd "$(dirname "${BASH_SOURCE[0]}")/../data/icons" && pwd)
for size in 16 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" "$icons/velmar.svg" -o "$icons/velmar-$size.png"
done
