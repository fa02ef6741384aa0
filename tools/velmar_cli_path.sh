# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the tools that run velmar-cli: sets $cli to the first built one
# (build/ or build-*/ of the source root) unless it is already set.
if [[ -z ${cli:-} ]]; then
    for candidate in build/src/app/velmar-cli build-*/src/app/velmar-cli; do
        if [[ -x $candidate ]]; then cli=$candidate; break; fi
    done
fi
