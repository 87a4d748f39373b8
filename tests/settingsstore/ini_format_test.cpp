// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsstore/ini_format.h"

#include "nasty_texts.h"

#include <gtest/gtest.h>

using settings::IniDocument;
using settings::parseIni;
using settings::serialiseIni;
using namespace Qt::StringLiterals;

namespace {

QString text(const char16_t *s)
{
    return QString::fromUtf16(s);
}

const QString *find(const IniDocument &doc, const QString &section, const QString &key)
{
    return doc.find(section, key);
}

qsizetype entryCount(const IniDocument &doc)
{
    qsizetype n = 0;
    for (const auto &section : doc.sections())
        n += section.entries.size();
    return n;
}

TEST(IniFormat, AnyTextRoundTripsAsKeyValueAndSectionWithoutTouchingOthers)
{
    for (const QString &t : settings_test::nastyTexts()) {
        SCOPED_TRACE(t.toUtf8().toPercentEncoding().toStdString());
        IniDocument doc;
        doc.set(QStringLiteral("data"), QStringLiteral("scan"), QStringLiteral("30"));
        doc.set(QStringLiteral("version"), t, t);
        doc.set(t, QStringLiteral("k"), t);

        const auto parsed = parseIni(serialiseIni(doc, QStringLiteral("test")));

        EXPECT_FALSE(parsed.hadDamagedLines);
        const QString *asValue = find(parsed.document, QStringLiteral("version"), t);
        ASSERT_NE(asValue, nullptr);
        EXPECT_EQ(*asValue, t);
        const QString *inSection = find(parsed.document, t, QStringLiteral("k"));
        ASSERT_NE(inSection, nullptr);
        EXPECT_EQ(*inSection, t);
        const QString *scan = find(parsed.document, QStringLiteral("data"), QStringLiteral("scan"));
        ASSERT_NE(scan, nullptr);
        EXPECT_EQ(*scan, u"30");
        EXPECT_EQ(parsed.document.sections().size(), 3);
        EXPECT_EQ(entryCount(parsed.document), 3);
    }
}

TEST(IniFormat, PlainValuesAreWrittenPlainly)
{
    IniDocument doc;
    doc.set(QStringLiteral("data"), QStringLiteral("scan"), QStringLiteral("30"));
    doc.set(QStringLiteral("data"), QStringLiteral("tz1"), text(u"Dubai + Ürümqi (+4)"));

    const QString file = QString::fromUtf8(serialiseIni(doc, QStringLiteral("Horalux")));

    EXPECT_TRUE(file.startsWith(u"; Horalux"));
    EXPECT_TRUE(file.contains(text(u"\n[data]\nscan=30\ntz1=Dubai + Ürümqi (+4)\n"))) << qPrintable(file);
}

TEST(IniFormat, ReadsHandWrittenFiles)
{
    struct Case {
        const char *name;
        QByteArray file;
        QString section;
        QString key;
        QString value;
    };
    const QList<Case> cases = {
        {"blanks around =", "[data]\nscan = 30 \n", u"data"_s, u"scan"_s, u"30"_s},
        {"CRLF lines", "[data]\r\nscan=30\r\n", u"data"_s, u"scan"_s, u"30"_s},
        {"BOM, last line without newline", "\xEF\xBB\xBF[data]\nscan=30", u"data"_s, u"scan"_s, u"30"_s},
        {"blanks in header", "  [ data ]  \nscan=30\n", u"data"_s, u"scan"_s, u"30"_s},
        {"comments", "; a\n[data]\n  # b\n;scan=1\nscan=30\n", u"data"_s, u"scan"_s, u"30"_s},
        {"= inside value", "[data]\nk=a=b\n", u"data"_s, u"k"_s, u"a=b"_s},
        {"unknown escape kept", "[data]\nk=C:\\Temp\\\n", u"data"_s, u"k"_s, u"C:\\Temp\\"_s},
        {"escaped newline", "[data]\nk=a\\nb\\x41\\u00e9\n", u"data"_s, u"k"_s, text(u"a\nbAé")},
        {"empty value", "[data]\nk=\n", u"data"_s, u"k"_s, u""_s},
        {"key before any header", "scan=30\n[data]\n", u""_s, u"scan"_s, u"30"_s},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const auto parsed = parseIni(c.file);
        EXPECT_FALSE(parsed.hadDamagedLines);
        const QString *value = find(parsed.document, c.section, c.key);
        ASSERT_NE(value, nullptr);
        EXPECT_EQ(*value, c.value);
        EXPECT_EQ(entryCount(parsed.document), 1);
    }
}

TEST(IniFormat, ABadLineCostsOnlyItself)
{
    const QList<QByteArray> badLines = {
        QByteArray("\xff\xfe garbage=1"), QByteArray("half \xc3=1"), QByteArray("surrogate \xed\xa0\x80=1"),
        QByteArray("nul\0=1", 6),         QByteArray("ctrl\x01=1"),  QByteArray("no equals sign"),
    };
    for (const QByteArray &bad : badLines) {
        SCOPED_TRACE(bad.toPercentEncoding().toStdString());
        const auto parsed = parseIni("[data]\na=1\n" + bad + "\nb=2\n");
        EXPECT_TRUE(parsed.hadDamagedLines);
        ASSERT_NE(find(parsed.document, u"data"_s, u"a"_s), nullptr);
        ASSERT_NE(find(parsed.document, u"data"_s, u"b"_s), nullptr);
        EXPECT_EQ(entryCount(parsed.document), 2);
    }
}

TEST(IniFormat, KeysUnderABrokenHeaderAreDroppedNotFiledElsewhere)
{
    const auto parsed = parseIni("[data]\na=1\n[version\nb=2\n[data]\nc=3\n");

    EXPECT_TRUE(parsed.hadDamagedLines);
    EXPECT_EQ(find(parsed.document, u"data"_s, u"b"_s), nullptr);
    EXPECT_NE(find(parsed.document, u"data"_s, u"c"_s), nullptr);
    EXPECT_EQ(entryCount(parsed.document), 2);
}

TEST(IniFormat, LaterDuplicateWinsAndFirstSpellingIsKept)
{
    const auto parsed = parseIni("[data]\nscan=1\nx=0\n[Data]\nSCAN=2\nScan=3\n");

    EXPECT_FALSE(parsed.hadDamagedLines);
    const QString *scan = find(parsed.document, u"DATA"_s, u"sCaN"_s);
    ASSERT_NE(scan, nullptr);
    EXPECT_EQ(*scan, u"3");
    EXPECT_EQ(parsed.document.sections().size(), 1);
    const QByteArray written = serialiseIni(parsed.document, u"h"_s);
    EXPECT_TRUE(written.contains("\n[data]\nscan=3\nx=0\n")) << written.constData();
}

TEST(IniFormat, NamesFoldBeyondAscii)
{
    IniDocument doc;
    doc.set(text(u"ΣΑΣ"), text(u"ÄRGER"), u"1"_s);

    const QString *value = doc.find(text(u"σας"), text(u"ärger"));
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(*value, u"1");
    EXPECT_TRUE(doc.remove(text(u"Σας"), text(u"Ärger")));
    EXPECT_EQ(doc.find(text(u"ΣΑΣ"), text(u"ÄRGER")), nullptr);
}

} // namespace
