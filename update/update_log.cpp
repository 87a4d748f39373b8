// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/update_log.h"

Q_LOGGING_CATEGORY(lcUpdate, "horalux.update")
