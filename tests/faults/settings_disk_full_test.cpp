// SPDX-License-Identifier: GPL-3.0-or-later
#include "small_disk.h"

#include "settingsstore/ini_format.h"
#include "settingsstore/settings_store.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "file_size_limit.h"

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <memory>
#include <ostream>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;
using settings::IniSettingsStore;

namespace {

const QString kApp = u"Horalux"_s;

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

ino_t inodeOf(const QString &path)
{
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_ino;
}

struct Fault {
    const char *name;
    bool needsSmallDisk;
    const char *cause; // as flush() tells it
    // Puts the fault in place; it lasts until the returned guard is dropped.
    // `disk` is null when the fault needs none.
    std::function<std::shared_ptr<void>(faults::SmallDisk *disk)> apply;
};

void PrintTo(const Fault &fault, std::ostream *out)
{
    *out << fault.name;
}

// The file the saves start from: some 12 KB, three pages of tmpfs.
constexpr int kBaseKeys = 120;
const QString kBigValue(4000, u'ß'); // 8 KB of UTF-8: the new file needs pages the disk lacks

class DiskFullTest : public ::testing::TestWithParam<Fault> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_mountPoint.isValid());
        if (GetParam().needsSmallDisk) {
            m_disk = std::make_unique<faults::SmallDisk>(m_mountPoint.path(), 64 * 1024, 32);
            if (!m_disk->failure().isEmpty())
                GTEST_SKIP() << "no tmpfs of our own (" << m_disk->failure().toStdString()
                             << "); the file size limit case stands in";
        }
    }

    QString root() const { return m_mountPoint.path() + u"/config"_s; }
    QString folder() const { return root() + u"/Horalux"_s; }
    QString file() const { return folder() + u"/Horalux.ini"_s; }
    QString freshRead(const QString &key) const
    {
        return IniSettingsStore(root()).GetSetting(kApp, u"data"_s, key, u"<missing>"_s);
    }
    void saveBaseline(IniSettingsStore &store) const
    {
        for (int i = 0; i < kBaseKeys; ++i)
            store.SaveSetting(kApp, u"data"_s, u"key"_s + QString::number(i), QString(80, u'v'));
    }

    QTemporaryDir m_mountPoint;
    std::unique_ptr<faults::SmallDisk> m_disk;
};

TEST_P(DiskFullTest, SavesFailQuietlyTheOldFileStaysWholeAndTheNextSaveWritesEverything)
{
    auto store = std::make_unique<IniSettingsStore>(root());
    saveBaseline(*store);
    store->SaveSetting(kApp, u"data"_s, u"scan"_s, u"20"_s);
    ASSERT_TRUE(store->flush());
    const QByteArray before = readBytes(file());
    ASSERT_FALSE(before.isEmpty());
    const ino_t inode = inodeOf(file());
    const QStringList entriesBefore = entriesOf(folder());
    {
        const auto fault = GetParam().apply(m_disk.get());
        ASSERT_TRUE(fault) << "the fault could not be put in place";
        store->SaveSetting(kApp, u"data"_s, u"tz1"_s, kBigValue);
        store->SaveSetting(kApp, u"data"_s, u"scan"_s, u"30"_s);
        store->DeleteSetting(kApp, u"data"_s, u"key7"_s);
        QString problem;
        EXPECT_FALSE(store->flush(&problem));
        EXPECT_TRUE(problem.contains(QString::fromUtf8(GetParam().cause))) << problem.toStdString();

        EXPECT_EQ(readBytes(file()), before);
        EXPECT_EQ(inodeOf(file()), inode);
        EXPECT_EQ(entriesOf(folder()), entriesBefore) << "a temporary file was left behind";
        // The running program goes on with what it was told.
        EXPECT_EQ(store->GetSetting(kApp, u"data"_s, u"tz1"_s), kBigValue);
        EXPECT_EQ(store->GetSetting(kApp, u"data"_s, u"scan"_s), u"30");
        EXPECT_EQ(store->GetSetting(kApp, u"data"_s, u"key7"_s, u"gone"_s), u"gone");
        // One started now reads the old file.
        EXPECT_EQ(freshRead(u"scan"_s), u"20");
        EXPECT_EQ(freshRead(u"tz1"_s), u"<missing>");
    }
    store->SaveSetting(kApp, u"data"_s, u"dst"_s, u"False"_s);
    EXPECT_TRUE(store->flush());

    EXPECT_EQ(freshRead(u"tz1"_s), kBigValue);
    EXPECT_EQ(freshRead(u"scan"_s), u"30");
    EXPECT_EQ(freshRead(u"key7"_s), u"<missing>");
    EXPECT_EQ(freshRead(u"key8"_s), QString(80, u'v'));
    EXPECT_EQ(freshRead(u"dst"_s), u"False");
    EXPECT_FALSE(settings::parseIni(readBytes(file())).hadDamagedLines);
    EXPECT_EQ(entriesOf(folder()), QStringList {u"Horalux.ini"_s});
}

// A damaged file is kept aside before it is rewritten; on a full disk neither
// the copy nor the rewrite may leave half a file.
TEST_P(DiskFullTest, DamagedFileIsKeptAsideOnlyOnceThereIsRoom)
{
    QDir().mkpath(folder());
    QByteArray damaged = "[data]\nscan=20\n\xff\xfe broken\n";
    for (int i = 0; i < kBaseKeys; ++i)
        damaged += "key" + QByteArray::number(i) + '=' + QByteArray(80, 'v') + '\n';
    {
        QFile out(file());
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        ASSERT_EQ(out.write(damaged), damaged.size());
    }
    auto store = std::make_unique<IniSettingsStore>(root());
    {
        const auto fault = GetParam().apply(m_disk.get());
        ASSERT_TRUE(fault);
        store->SaveSetting(kApp, u"data"_s, u"tz1"_s, kBigValue);
        EXPECT_FALSE(store->flush());

        EXPECT_EQ(readBytes(file()), damaged);
        EXPECT_EQ(entriesOf(folder()), QStringList {u"Horalux.ini"_s});
    }
    store->SaveSetting(kApp, u"data"_s, u"dst"_s, u"False"_s);
    EXPECT_TRUE(store->flush());

    EXPECT_EQ(readBytes(file() + u".bad"_s), damaged);
    EXPECT_EQ(freshRead(u"scan"_s), u"20");
    EXPECT_EQ(freshRead(u"tz1"_s), kBigValue);
    EXPECT_FALSE(settings::parseIni(readBytes(file())).hadDamagedLines);
}

// Gives the disk's room back when dropped.
std::shared_ptr<void> emptiedLater(faults::SmallDisk *disk)
{
    return std::shared_ptr<void>(disk, [](faults::SmallDisk *d) { d->empty(); });
}

// Makes the disk writable again when dropped.
std::shared_ptr<void> writableLater(faults::SmallDisk *disk)
{
    return std::shared_ptr<void>(disk, [](faults::SmallDisk *d) { d->setReadOnly(false); });
}

INSTANTIATE_TEST_SUITE_P(
    Faults, DiskFullTest,
    ::testing::Values(
        Fault {"DiskFull", true, "the disk is full",
               [](faults::SmallDisk *disk) { return disk->fill(0) ? emptiedLater(disk) : nullptr; }},
        // The temporary file is made, then its writing runs out of room.
        Fault {"RoomRunsOutPartWay", true, "the disk is full",
               [](faults::SmallDisk *disk) { return disk->fill(8192) ? emptiedLater(disk) : nullptr; }},
        Fault {"NoInodeLeft", true, "the disk is full",
               [](faults::SmallDisk *disk) { return disk->useAllInodes() ? emptiedLater(disk) : nullptr; }},
        // Root writes into a folder without write rights; not onto a read-only disk.
        Fault {"ReadOnlyDisk", true, "the disk is read-only",
               [](faults::SmallDisk *disk) { return disk->setReadOnly(true) ? writableLater(disk) : nullptr; }},
        Fault {"FileSizeLimit", false, "larger than this program may write",
               [](faults::SmallDisk *) { return std::make_shared<FileSizeLimit>(4096); }}),
    [](const ::testing::TestParamInfo<Fault> &info) { return std::string(info.param.name); });

} // namespace
