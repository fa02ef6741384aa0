#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# check_man_page.sh VELMAR_CLI MAN_PAGE: every subcommand that velmar-cli lists
# has its subsection in the manual page, and the subsection names every option
# of the command's --help.
set -euo pipefail
cli=$1
page=$2
failed=0

commands=$("$cli" --help | sed -n '/^Commands:/,/^$/s/^  \([a-z][a-z-]*\)  .*/\1/p')
[ -n "$commands" ] || { echo "no commands in velmar-cli --help"; exit 1; }
for command in $commands; do
    section=$(awk -v head=".SS \"$command" 'index($0, head) == 1 { on = 1; print; next }
                                           /^\.S[SH] / { on = 0 } on' "$page")
    if [ -z "$section" ]; then
        echo "$page: no subsection for '$command'"
        failed=1
        continue
    fi
    for option in $("$cli" "$command" --help | grep -oE '(^|[^-])--[a-z][a-z-]*' | grep -oE -- '--.*' | sort -u); do
        grep -qF -- "${option//-/\\-}" <<<"$section" ||
            { echo "$page: '$command' does not name $option"; failed=1; }
    done
done
exit $failed
