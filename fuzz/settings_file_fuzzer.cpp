// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file reader on any bytes: it never fails, and what it read
// is written back so that it reads again the same; any name or value set
// in the document reads back exactly.

#include "fuzz_check.h"
#include "settingsstore/ini_format.h"

#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

using settings::IniDocument;

namespace {

const QString kHeader = QStringLiteral("Horalux settings, UTF-8.");

template <typename Item>
std::vector<const Item *> inOrder(const QHash<QString, Item> &items)
{
    std::vector<const Item *> ordered;
    for (const Item &item : items)
        ordered.push_back(&item);
    std::sort(ordered.begin(), ordered.end(), [](const Item *a, const Item *b) { return a->order < b->order; });
    return ordered;
}

// Same names in the same order with the same spellings and values.
bool sameDocument(const IniDocument &a, const IniDocument &b)
{
    const auto sectionsA = inOrder(a.sections());
    const auto sectionsB = inOrder(b.sections());
    if (sectionsA.size() != sectionsB.size())
        return false;
    for (size_t s = 0; s < sectionsA.size(); ++s) {
        if (sectionsA[s]->name != sectionsB[s]->name)
            return false;
        const auto entriesA = inOrder(sectionsA[s]->entries);
        const auto entriesB = inOrder(sectionsB[s]->entries);
        if (entriesA.size() != entriesB.size())
            return false;
        for (size_t e = 0; e < entriesA.size(); ++e) {
            if (entriesA[e]->key != entriesB[e]->key || entriesA[e]->value != entriesB[e]->value)
                return false;
        }
    }
    return true;
}

// The input as UTF-16 code units: any text a program can hold, lone
// surrogates and control characters included.
QString unitsOf(const uint8_t *data, size_t size)
{
    QString text(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(text.data(), data, (size / 2) * 2);
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    const settings::ParsedIni first = settings::parseIni(bytes);

    const QByteArray written = settings::serialiseIni(first.document, kHeader);
    const settings::ParsedIni second = settings::parseIni(written);
    FUZZ_CHECK(!second.hadDamagedLines);
    FUZZ_CHECK(sameDocument(first.document, second.document));
    FUZZ_CHECK(settings::serialiseIni(second.document, kHeader) == written);

    // Split the input as text three ways: section, key and value.
    const QString text = unitsOf(data, size);
    const qsizetype cut1 = text.isEmpty() ? 0 : text.front().unicode() % (text.size() + 1);
    const qsizetype cut2 = text.isEmpty() ? 0 : cut1 + text.back().unicode() % (text.size() - cut1 + 1);
    const QString section = text.first(cut1);
    const QString key = text.sliced(cut1, cut2 - cut1);
    const QString value = text.sliced(cut2);

    IniDocument edited = first.document;
    edited.set(section, key, value);
    const settings::ParsedIni third = settings::parseIni(settings::serialiseIni(edited, kHeader));
    FUZZ_CHECK(!third.hadDamagedLines);
    const QString *readBack = third.document.find(section, key);
    FUZZ_CHECK(readBack && *readBack == value);
    FUZZ_CHECK(sameDocument(edited, third.document));

    IniDocument removed = edited;
    FUZZ_CHECK(removed.remove(section, key));
    FUZZ_CHECK(removed.find(section, key) == nullptr);
    return 0;
}
