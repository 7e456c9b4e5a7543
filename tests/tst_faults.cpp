// Every file the program writes, on media that fail in the ways cards and disks do:
// the write reports failure and whatever stood there before is unchanged.
#include "testsupport.h"

#include "app/preferences/preferences.h"
#include "editor/configeditwindow.h"
#include "preferencedefaults.h"
#include "recorder_files/clockfile.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

namespace
{

enum class Target { Preferences, Config, Clock };

// Writes the given target to fileName; true when the writer reports success.
bool WriteTarget(ConfigEditWindow& form, Target target, const QString& fileName)
{
    switch (target) {
    case Target::Preferences:
        return PreferenceFile(PreferenceTable).Write(fileName) == 0;
    case Target::Config:
        return form.WriteConfig(fileName).ok;
    case Target::Clock: {
        const QFileInfo info(fileName);
        return UpdateClockFiles(info.path() + QLatin1Char('/'),
                                {info.fileName(), true, false, form.ClockBytes()})
            .ok;
    }
    }
    return false;
}

bool IsCharDevice(const char* path)
{
    struct stat st {
    };
    return stat(path, &st) == 0 && S_ISCHR(st.st_mode);
}

} // namespace

Q_DECLARE_METATYPE(Target)

class FaultsTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir tmp;
    QString Path(const QString& name) const { return tmp.path() + QLatin1Char('/') + name; }

    static void AddTargets(const char* fault)
    {
        QTest::newRow(QByteArray(fault).append(": preferences").constData()) << Target::Preferences;
        QTest::newRow(QByteArray(fault).append(": config.ini").constData()) << Target::Config;
        QTest::newRow(QByteArray(fault).append(": clock file").constData()) << Target::Clock;
    }
    static void Targets(const char* fault)
    {
        QTest::addColumn<Target>("target");
        AddTargets(fault);
    }

private slots:
    void init()
    {
        ResetPreferences();
        QDir(tmp.path()).removeRecursively();
        QDir().mkpath(tmp.path());
    }

    void fileWhereTheFolderShouldBe_data() { Targets("ENOTDIR"); }
    void fileWhereTheFolderShouldBe()
    {
        QFETCH(Target, target);
        ConfigEditWindow form(nullptr, "config edit");
        WriteAll(Path("card"), "a file");
        QVERIFY(!WriteTarget(form, target, Path("card/name.ini")));
        QCOMPARE(ReadAll(Path("card")), QByteArray("a file"));
    }

    void folderWhereTheFileShouldBe_data() { Targets("EISDIR"); }
    void folderWhereTheFileShouldBe()
    {
        QFETCH(Target, target);
        ConfigEditWindow form(nullptr, "config edit");
        QVERIFY(QDir().mkpath(Path("name.ini/inside")));
        QVERIFY(!WriteTarget(form, target, Path("name.ini")));
        QVERIFY(QFileInfo(Path("name.ini/inside")).isDir());
    }

    void folderThatDoesNotExist_data() { Targets("ENOENT"); }
    void folderThatDoesNotExist()
    {
        QFETCH(Target, target);
        ConfigEditWindow form(nullptr, "config edit");
        QVERIFY(!WriteTarget(form, target, Path("gone/name.ini")));
        QVERIFY(!QFileInfo::exists(Path("gone")));
    }

    void deviceThatIsFull_data() { Targets("ENOSPC"); }
    void deviceThatIsFull()
    {
        QFETCH(Target, target);
        if (!IsCharDevice("/dev/full"))
            QSKIP("no /dev/full here");
        ConfigEditWindow form(nullptr, "config edit");
        QVERIFY(!WriteTarget(form, target, QStringLiteral("/dev/full")));
        // Written in place: the device node itself is never replaced.
        QVERIFY(IsCharDevice("/dev/full"));
    }

    void cardThatFillsUpMidWrite_data() { Targets("EFBIG"); }
    void cardThatFillsUpMidWrite()
    {
        QFETCH(Target, target);
        ConfigEditWindow form(nullptr, "config edit");
        const QByteArray old = "the old file, left whole";
        WriteAll(Path("name.ini"), old);
        // Every target writes more than 10 bytes.
        const int written = RunWithFileSizeLimit(
            10, [&] { return WriteTarget(form, target, Path("name.ini")) ? 1 : 0; });
        QCOMPARE(written, 0);
        QCOMPARE(ReadAll(Path("name.ini")), old);
        QCOMPARE(QDir(tmp.path()).entryList(QDir::Files), QStringList{"name.ini"});
    }

    void successAfterFailuresStillWrites_data() { Targets("recovery"); }
    void successAfterFailuresStillWrites()
    {
        QFETCH(Target, target);
        ConfigEditWindow form(nullptr, "config edit");
        QVERIFY(!WriteTarget(form, target, Path("gone/name.ini")));
        QVERIFY(WriteTarget(form, target, Path("name.ini")));
        QVERIFY(QFileInfo(Path("name.ini")).size() > 0);
    }
};

QTEST_MAIN(FaultsTest)
#include "tst_faults.moc"
