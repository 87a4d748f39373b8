#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# check_metadata.sh DESKTOP METAINFO MANPAGE...
. "$(dirname "$0")/installed_program.sh"
expect_valid_metadata "$@"
echo "desktop entry, metainfo and man pages are valid"
