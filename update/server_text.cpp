// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/server_text.h"

QString shownServerText(const QString &text)
{
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        // A surrogate pair is one character; its category is the pair's.
        const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        const char32_t c = pair ? QChar::surrogateToUcs4(text.at(i), text.at(i + 1)) : text.at(i).unicode();
        switch (QChar::category(c)) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph: break;
        default: shown += pair ? text.mid(i, 2) : QString(text.at(i));
        }
        if (pair)
            ++i;
    }
    return shown;
}
