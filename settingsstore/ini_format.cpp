// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsstore/ini_format.h"

#include <QStringDecoder>

#include <algorithm>
#include <cstring>
#include <vector>

// File syntax. Lines are "[section]", "key=value", comments starting with ';'
// or '#', and blank lines. Blanks (space, tab) around names and values are
// not part of them, so "scan = 30" is read as scan=30. Inside names and values
// a backslash starts an escape: \\ \n \r \t \0 \= \[ \; \# \xHH \uHHHH. The
// writer escapes only what would otherwise be misread (see below); a plain
// value stays plain so the file can be edited by hand. QSettings' INI dialect
// matches names case-sensitively here, percent-encodes keys and ends values
// at ';', hence this small format of our own.

namespace settings {

using namespace Qt::StringLiterals;

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// Characters that would break a line or hide in an editor.
bool needsHexEscape(char16_t c)
{
    return c < 0x20 || (c >= 0x7f && c <= 0x9f) || c == 0x2028 || c == 0x2029;
}

void appendHexEscape(QString &out, char16_t c)
{
    static constexpr char16_t digits[] = u"0123456789ABCDEF";
    const int width = c > 0xff ? 4 : 2;
    out += c > 0xff ? u"\\u" : u"\\x";
    for (int shift = (width - 1) * 4; shift >= 0; shift -= 4)
        out += QChar(digits[(c >> shift) & 0xf]);
}

enum class Form { Section, Key, Value };

QString escape(QStringView text, Form form)
{
    QString out;
    out.reserve(text.size() + 8);
    const qsizetype last = text.size() - 1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        switch (c) {
        case u'\\': out += u"\\\\"; continue;
        case u'\n': out += u"\\n"; continue;
        case u'\r': out += u"\\r"; continue;
        case u'\t': out += u"\\t"; continue;
        case u'\0': out += u"\\0"; continue;
        default: break;
        }
        if (form == Form::Key && (c == u'=' || (i == 0 && (c == u'[' || c == u';' || c == u'#')))) {
            out += u'\\';
            out += QChar(c);
        } else if (c == u' ' && (i == 0 || i == last)) {
            out += u"\\x20";
        } else if (needsHexEscape(c)) {
            appendHexEscape(out, c);
        } else if (QChar::isSurrogate(c)) {
            // A surrogate without its partner cannot be written as UTF-8.
            const bool paired = QChar::isHighSurrogate(c) ? (i < last && QChar::isLowSurrogate(text[i + 1].unicode()))
                                                          : (i > 0 && QChar::isHighSurrogate(text[i - 1].unicode()));
            if (paired)
                out += QChar(c);
            else
                appendHexEscape(out, c);
        } else {
            out += QChar(c);
        }
    }
    return out;
}

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// Reads `digits` hex digits at text[at]; -1 when they are not all there.
int readHex(QStringView text, qsizetype at, int digits)
{
    if (at + digits > text.size())
        return -1;
    int value = 0;
    for (int i = 0; i < digits; ++i) {
        const int d = hexValue(text[at + i]);
        if (d < 0)
            return -1;
        value = value * 16 + d;
    }
    return value;
}

// Unknown escapes are kept as written: a hand-typed "C:\Temp" stays intact.
QString unescape(QStringView text)
{
    if (!text.contains(u'\\'))
        return text.toString();
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\\' || i + 1 == text.size()) {
            out += c;
            continue;
        }
        const char16_t next = text[i + 1].unicode();
        int code = -1;
        int consumed = 1;
        switch (next) {
        case u'\\':
        case u'=':
        case u'[':
        case u';':
        case u'#': code = next; break;
        case u'n': code = u'\n'; break;
        case u'r': code = u'\r'; break;
        case u't': code = u'\t'; break;
        case u'0': code = 0; break;
        case u'x':
            code = readHex(text, i + 2, 2);
            consumed = 3;
            break;
        case u'u':
            code = readHex(text, i + 2, 4);
            consumed = 5;
            break;
        default: break;
        }
        if (code < 0) {
            out += c;
            continue;
        }
        out += QChar(char16_t(code));
        i += consumed;
    }
    return out;
}

QStringView trimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

qsizetype firstUnescapedEquals(QStringView line)
{
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == u'\\')
            ++i;
        else if (line[i] == u'=')
            return i;
    }
    return -1;
}

bool hasRawControl(QStringView line)
{
    return std::any_of(line.begin(), line.end(), [](QChar c) { return c.unicode() < 0x20 && c != u'\t'; });
}

class LineReader {
public:
    explicit LineReader(IniDocument &document) : m_document(document) {}

    // False when the line cannot be read.
    bool read(QStringView line)
    {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (hasRawControl(line))
            return false;
        line = trimBlanks(line);
        if (line.isEmpty() || line.front() == u';' || line.front() == u'#')
            return true;
        if (line.front() == u'[') {
            // After a broken header its keys are dropped rather than filed
            // under the section before it.
            m_sectionKnown = line.size() >= 2 && line.back() == u']';
            if (m_sectionKnown)
                m_section = unescape(trimBlanks(line.sliced(1, line.size() - 2)));
            return m_sectionKnown;
        }
        const qsizetype equals = firstUnescapedEquals(line);
        if (equals < 0 || !m_sectionKnown)
            return false;
        m_document.set(m_section, unescape(trimBlanks(line.first(equals))),
                       unescape(trimBlanks(line.sliced(equals + 1))));
        return true;
    }

private:
    IniDocument &m_document;
    QString m_section;
    bool m_sectionKnown = true;
};

template <typename Item>
std::vector<const Item *> inOrder(const QHash<QString, Item> &map)
{
    std::vector<const Item *> items;
    items.reserve(size_t(map.size()));
    for (const Item &item : map)
        items.push_back(&item);
    std::sort(items.begin(), items.end(), [](const Item *a, const Item *b) { return a->order < b->order; });
    return items;
}

} // namespace

// toCaseFolded() shares the string when it is folded already: no copy for
// the usual lower-case names.
const QString *IniDocument::find(const QString &section, const QString &key) const
{
    const auto s = m_sections.constFind(section.toCaseFolded());
    if (s == m_sections.cend())
        return nullptr;
    const auto e = s->entries.constFind(key.toCaseFolded());
    return e == s->entries.cend() ? nullptr : &e->value;
}

bool IniDocument::set(const QString &section, const QString &key, const QString &value)
{
    const QString sectionId = section.toCaseFolded();
    auto s = m_sections.find(sectionId);
    if (s == m_sections.end())
        s = m_sections.insert(sectionId, Section {section, m_nextOrder++, {}});
    const QString keyId = key.toCaseFolded();
    auto e = s->entries.find(keyId);
    if (e == s->entries.end()) {
        s->entries.insert(keyId, Entry {key, value, m_nextOrder++});
        return true;
    }
    if (e->value == value)
        return false;
    e->value = value;
    return true;
}

bool IniDocument::remove(const QString &section, const QString &key)
{
    const auto s = m_sections.find(section.toCaseFolded());
    if (s == m_sections.end())
        return false;
    return s->entries.remove(key.toCaseFolded());
}

ParsedIni parseIni(QByteArrayView text)
{
    ParsedIni result;
    if (text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    // Each line is decoded on its own so that bad bytes cost only their line;
    // a BOM inside a name is data, not a marker to drop.
    using Flag = QStringDecoder::Flag;
    QStringDecoder decoder(QStringDecoder::Utf8, Flag::ConvertInitialBom | Flag::Stateless);
    LineReader reader(result.document);
    const char *data = text.data();
    qsizetype pos = 0;
    for (int lineNumber = 1; pos < text.size(); ++lineNumber) {
        const void *newline = std::memchr(data + pos, '\n', size_t(text.size() - pos));
        const qsizetype end = newline ? static_cast<const char *>(newline) - data : text.size();
        decoder.resetState();
        const QString line = decoder.decode(text.sliced(pos, end - pos));
        if (decoder.hasError() || !reader.read(line)) {
            result.hadDamagedLines = true;
            if (result.damagedLineCount++ == 0)
                result.firstDamagedLine = lineNumber;
        }
        pos = end + 1;
    }
    return result;
}

QByteArray serialiseIni(const IniDocument &document, const QString &headerComment)
{
    QString out = u"; "_s + QString(headerComment).replace(u'\n', u' ').replace(u'\r', u' ') + u'\n';
    bool first = true;
    for (const IniDocument::Section *section : inOrder(document.sections())) {
        if (!first)
            out += u'\n';
        first = false;
        out += u'[' + escape(section->name, Form::Section) + u"]\n"_s;
        for (const IniDocument::Entry *entry : inOrder(section->entries))
            out += escape(entry->key, Form::Key) + u'=' + escape(entry->value, Form::Value) + u'\n';
    }
    return out.toUtf8();
}

} // namespace settings
