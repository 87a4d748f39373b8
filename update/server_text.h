// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Text a server sent, made fit for a message box: without the characters
// that could break it into new lines or change its direction or look
// (Unicode control, format, line and paragraph separator characters).
QString shownServerText(const QString &text);
