// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

namespace settings_test {

// Texts that could break a line, open a section, start a comment, hide in
// trimming, pass for an escape or not survive UTF-8.
inline const QList<QString> &nastyTexts()
{
    using namespace Qt::StringLiterals;
    static const QList<QString> texts = {
        u"/"_s,
        u"\\"_s,
        u"="_s,
        u"a=b=c"_s,
        u"[x]"_s,
        u"[data]\nscan"_s,
        u";c"_s,
        u"#c"_s,
        u" lead"_s,
        u"trail "_s,
        u"  "_s,
        u"a\nb"_s,
        u"\r"_s,
        u"\t"_s,
        QString(QChar(0)) + u"x"_s + QChar(0),
        u"\\n is not a newline"_s,
        u"\\x20"_s,
        u"C:\\Temp\\new"_s,
        u"ünïcødé"_s,
        u"日本"_s,
        u"😀"_s,
        QString(QChar(0xD800)) + u"lone"_s + QChar(0xDC00),
        QString(QChar(0xFEFF)) + u"bom"_s,
        u"line\u2028separator\u0085"_s,
        u"\x7f\x01"_s,
        QString(),
    };
    return texts;
}

} // namespace settings_test
