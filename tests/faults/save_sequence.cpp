// SPDX-License-Identifier: GPL-3.0-or-later
#include "save_sequence.h"

#include <array>

namespace faults {

using namespace Qt::StringLiterals;

namespace {

// splitmix64: a cheap, well-spread hash of the save's number.
quint64 spread(quint64 x)
{
    x += 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

const std::array<QString, 4> &sections()
{
    static const std::array<QString, 4> names = {u"data"_s, u"version"_s, u"Zönes [x]"_s, QString()};
    return names;
}

// Pieces that break lines, open sections, start comments, hide in trimming,
// pass for escapes or need more than one UTF-16 unit.
const std::array<QString, 14> &oddPieces()
{
    static const std::array<QString, 14> pieces = {
        u" lead"_s,
        u"trail "_s,
        u"a=b"_s,
        u"[x]"_s,
        u";c"_s,
        u"#c"_s,
        u"\\n"_s,
        u"C:\\Temp"_s,
        u"ünïcødé"_s,
        u"😀"_s,
        u"tab\there"_s,
        u"two\r\nlines"_s,
        QString(QChar(0)) + u"nul"_s,
        QString(QChar(0xD800)) + u"lone"_s,
    };
    return pieces;
}

QString keyName(int index)
{
    if (index % 11 != 5)
        return u"key"_s + QString::number(index);
    const auto &pieces = oddPieces();
    return pieces[size_t(index) % pieces.size()] + QString::number(index) + pieces[size_t(index / 11) % pieces.size()];
}

QString valueText(quint32 number, quint64 hash)
{
    const QString head = QString::number(number);
    const auto &pieces = oddPieces();
    switch ((hash >> 20) % 4) {
    case 0: return head;
    case 1: return pieces[(hash >> 24) % pieces.size()] + head + pieces[(hash >> 28) % pieces.size()];
    case 2: return head + u'/' + QString(int((hash >> 32) % 120), QChar(u'a' + char16_t(number % 26)));
    default: return u"  "_s + head + u'=' + QString(int((hash >> 32) % 200), u'é') + u"\\ "_s;
    }
}

} // namespace

NumberedSave numberedSave(quint32 number, int keyCount)
{
    const quint64 hash = spread(number);
    constexpr int hotKeys = 16;
    const bool hot = (hash & 0xff) < 80;
    const int index = int((hash >> 8) % quint64(hot ? hotKeys : keyCount));
    QString key = keyName(index);
    // Names match without regard to case; the first spelling stays.
    if ((hash >> 40) & 1)
        key = key.toUpper();
    return {sections()[size_t(index) % sections().size()], key, valueText(number, hash)};
}

} // namespace faults
