// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>

namespace settings {

// The sections and keys of one settings file. Names match without regard to
// case (full Unicode case folding); each keeps the spelling it was first
// written with, and the order of first appearance is kept for writing.
class IniDocument {
public:
    // The stored value, or nullptr when the section or key is missing.
    const QString *find(const QString &section, const QString &key) const;

    // Both return whether the document changed.
    bool set(const QString &section, const QString &key, const QString &value);
    bool remove(const QString &section, const QString &key);

    bool isEmpty() const { return m_sections.isEmpty(); }

    struct Entry {
        QString key;
        QString value;
        quint64 order = 0;
    };
    struct Section {
        QString name;
        quint64 order = 0;
        QHash<QString, Entry> entries; // by case-folded key
    };
    const QHash<QString, Section> &sections() const { return m_sections; }

private:
    QHash<QString, Section> m_sections; // by case-folded name
    quint64 m_nextOrder = 0;
};

struct ParsedIni {
    IniDocument document;
    // True when some line could not be read; those lines are dropped.
    bool hadDamagedLines = false;
    int damagedLineCount = 0;
    int firstDamagedLine = 0; // counted from 1
};

// Reads the whole text in one pass. Never fails: a line that is neither blank,
// a comment, a [section] header nor key=value (or is not valid UTF-8, or holds
// raw control characters) is skipped and reported through hadDamagedLines.
// Keys before the first header belong to the section named "". A later
// duplicate key, also one differing only in case, replaces the earlier value.
ParsedIni parseIni(QByteArrayView text);

// The file text: a comment line with headerComment, then each section as a
// [name] header and its key=value lines. Any name or value round-trips
// through parseIni exactly.
QByteArray serialiseIni(const IniDocument &document, const QString &headerComment);

} // namespace settings
