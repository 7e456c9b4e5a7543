// A save keeps what it replaces (owner, group, mode, other names, links), a name that is
// no file never makes the program wait, and a save is read back from its medium.
#include "testsupport.h"

#include "app/preferences/prefcodec.h"
#include "app/preferences/preferences.h"
#include "editor/configeditwindow.h"
#include "platform/savefile.h"
#include "preferencedefaults.h"
#include "recorder_files/batchwrite.h"
#include "recorder_files/cardreport.h"
#include "recorder_files/clockfile.h"
#include "recorder_files/configcheck.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>
#include <grp.h>
#include <sys/stat.h>

namespace
{

constexpr uint Nobody = 65534;

enum class Old { LockedFolder, UsersFile, SharedFile, HardLink, SymLink };
enum class Reader { StartUp, CardPath, LoadFrom, Check, Preset, Preferences, Include, Save, Clock };

// What a reader or writer given the pipe card/name does; true when it refused at once.
bool RefusesPipe(Reader reader, const QString& card, const QString& name)
{
    const QString pipe = card + name;
    QString text;
    QTextStream out(&text);
    SetPrefText(Preferences.SDpath, int(sizeof Preferences.SDpath), card);
    switch (reader) {
    case Reader::StartUp:
        return ConfigEditWindow(nullptr, "config edit").CardPath() == card;
    case Reader::CardPath: {
        ConfigEditWindow form(nullptr, "config edit");
        form.configFilePath->setText(QString());
        form.configFilePath->setText(card);
        return true;
    }
    case Reader::LoadFrom:
        return ConfigEditWindow(nullptr, "config edit").ReadConfig(pipe).error.contains("pipe");
    case Reader::Check:
        return CheckConfigFile(pipe, out) == 2 && text.contains("pipe");
    case Reader::Preset:
        return WriteCards(pipe, {card}, ComboItems(), BatchOptions(), out) == 1;
    case Reader::Preferences:
        return PreferenceFile(PreferenceTable).Read(pipe) == 1;
    case Reader::Include:
        WriteAll(card + "main.cfg", "Include " + pipe.toLocal8Bit() + "\r\n");
        return PreferenceFile(PreferenceTable).Read(card + "main.cfg") == 1;
    case Reader::Save:
        return WriteFileSafely(pipe, "M,6,none\r\n").error.contains("pipe");
    case Reader::Clock:
        return !UpdateClockFiles(card, {name, true, false,
                                        ConfigEditWindow(nullptr, "config edit").ClockBytes()})
                    .ok;
    }
    return false;
}

} // namespace

Q_DECLARE_METATYPE(Old)
Q_DECLARE_METATYPE(Reader)

class SafeWriteTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir tmp;
    const SafeWriteMedium realMedium = Medium;
    QString Path(const QString& name) const { return tmp.path() + QLatin1Char('/') + name; }

private slots:
    void init()
    {
        ResetPreferences();
        QDir(tmp.path()).removeRecursively();
        QVERIFY(QDir().mkpath(Path("card")));
        QCOMPARE(chmod(QFile::encodeName(tmp.path()).constData(), 0755), 0);
    }
    void cleanup() { Medium = realMedium; }

    void replacedFileStaysWhatItWas_data()
    {
        QTest::addColumn<Old>("old");
        QTest::addColumn<bool>("asNobody");
        QTest::addColumn<uint>("owner"); // user and group after the write
        QTest::addColumn<uint>("mode");
        QTest::newRow("folder nobody may not write")
            << Old::LockedFolder << true << Nobody << 0644u;
        QTest::newRow("root rewrites nobody's file") << Old::UsersFile << false << Nobody << 0640u;
        QTest::newRow("nobody rewrites root's file") << Old::SharedFile << true << 0u << 0666u;
        QTest::newRow("hard link") << Old::HardLink << false << 0u << 0644u;
        QTest::newRow("symbolic link") << Old::SymLink << false << 0u << 0644u;
    }
    void replacedFileStaysWhatItWas()
    {
        QFETCH(Old, old);
        QFETCH(bool, asNobody);
        QFETCH(uint, owner);
        QFETCH(uint, mode);
        const QString name = Path("card/config.ini"), other = Path("other.ini");
        const QString file = old == Old::SymLink ? other : name;
        QVERIFY(WriteAll(file, "the old file"));
        QCOMPARE(chmod(QFile::encodeName(file).constData(), mode), 0);
        QCOMPARE(chown(QFile::encodeName(file).constData(), owner, owner), 0);
        if (old == Old::SharedFile)
            QCOMPARE(chmod(QFile::encodeName(Path("card")).constData(), 0777), 0);
        if (old == Old::HardLink)
            QCOMPARE(
                link(QFile::encodeName(name).constData(), QFile::encodeName(other).constData()), 0);
        if (old == Old::SymLink)
            QVERIFY(QFile::link(other, name));

        const QByteArray bytes = "M,6,none\r\nVAS=off\r\n";
        QCOMPARE(RunInChild(asNobody, [&] { return WriteFileSafely(name, bytes).ok ? 0 : 1; }), 0);
        QCOMPARE(ReadAll(name), bytes);
        QCOMPARE(ReadAll(other), old == Old::HardLink || old == Old::SymLink ? bytes : "<missing>");
        QCOMPARE(QFileInfo(name).isSymLink(), old == Old::SymLink);
        struct stat st {
        };
        QCOMPARE(stat(QFile::encodeName(file).constData(), &st), 0);
        QCOMPARE(uint(st.st_uid), owner);
        QCOMPARE(uint(st.st_gid), owner);
        QCOMPARE(uint(st.st_mode & 07777), mode);
        QCOMPARE(QDir(Path("card")).entryList(QDir::Files | QDir::System),
                 QStringList{"config.ini"});
    }

    void namedPipeNeverWaits_data()
    {
        QTest::addColumn<Reader>("reader");
        QTest::addColumn<QString>("name");
        QTest::newRow("config.ini at start") << Reader::StartUp << "config.ini";
        QTest::newRow("config.ini as the path is typed") << Reader::CardPath << "config.ini";
        QTest::newRow("load from") << Reader::LoadFrom << "config.ini";
        QTest::newRow("--check") << Reader::Check << "config.ini";
        QTest::newRow("--write preset") << Reader::Preset << "preset.ini";
        QTest::newRow("preferences file") << Reader::Preferences << "Plimoplayer.cfg";
        QTest::newRow("Include") << Reader::Include << "included.cfg";
        QTest::newRow("save") << Reader::Save << "config.ini";
        QTest::newRow("clock file") << Reader::Clock << "time.ini";
    }
    void namedPipeNeverWaits()
    {
        QFETCH(Reader, reader);
        QFETCH(QString, name);
        const QString card = Path("card/");
        QCOMPARE(mkfifo(QFile::encodeName(card + name).constData(), 0666), 0);
        QCOMPARE(RunInChild(false, [&] { return RefusesPipe(reader, card, name) ? 0 : 1; }), 0);
        struct stat st {
        };
        QVERIFY(stat(QFile::encodeName(card + name).constData(), &st) == 0 && S_ISFIFO(st.st_mode));
    }

    void saveIsReadBackFromTheMedium_data()
    {
        QTest::addColumn<QString>("card");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("error");
        QTest::newRow("keeps the bytes") << "keeps"
                                         << "sync drop"
                                         << "";
        QTest::newRow("fails to sync") << "fails"
                                       << "sync"
                                       << "Cannot write the file out";
        QTest::newRow("keeps other bytes than cached") << "forgets"
                                                       << "sync drop"
                                                       << "The file read back differs";
    }
    void saveIsReadBackFromTheMedium()
    {
        QFETCH(QString, card);
        QFETCH(QString, steps);
        QFETCH(QString, error);
        const QByteArray bytes = "M,6,none\r\n";
        QStringList done;
        Medium.sync = [&](const QString& name) {
            done << (ReadAll(name) == bytes ? "sync" : "sync before the write");
            return card == "fails" ? QStringLiteral("Input/output error") : QString();
        };
        Medium.dropCachedPages = [&](const QString& name) {
            done << "drop";
            if (card == "forgets")
                WriteAll(name, "what the card holds");
        };
        const FileResult result = WriteFileSafely(Path("config.ini"), bytes);
        QCOMPARE(done.join(' '), steps);
        QCOMPARE(result.ok, error.isEmpty());
        QCOMPARE(result.error.left(error.size()), error);
    }

    // A write stopped before its rename leaves "config.ini.aBcDeF" beside the file: the
    // card report lists it, the next write of that file removes it. Only ours: names
    // that merely look alike, folders and links stay.
    void leftoversOfInterruptedWrites_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<char>("kind"); // f file, d folder, l link to a file
        QTest::addColumn<bool>("ours");
        QTest::newRow("config.ini's") << "config.ini.aBcDeF" << 'f' << true;
        QTest::newRow("time.ini's") << "time.ini.QwErTy" << 'f' << true;
        QTest::newRow("a digit") << "config.ini.aBcDe1" << 'f' << false;
        QTest::newRow("five letters") << "config.ini.aBcDe" << 'f' << false;
        QTest::newRow("seven letters") << "config.ini.aBcDeFg" << 'f' << false;
        QTest::newRow("another file's") << "notes.ini.aBcDeF" << 'f' << false;
        QTest::newRow("folder") << "config.ini.aBcDeF" << 'd' << false;
        QTest::newRow("link") << "config.ini.aBcDeF" << 'l' << false;
    }
    void leftoversOfInterruptedWrites()
    {
        QFETCH(QString, name);
        QFETCH(char, kind);
        QFETCH(bool, ours);
        const QString card = Path("card/");
        const QString left = card + name;
        QVERIFY(WriteAll(Path("elsewhere.ini"), "Loop=20\r\n"));
        QVERIFY(kind == 'd'   ? QDir().mkpath(left)
                : kind == 'l' ? QFile::link(Path("elsewhere.ini"), left)
                              : WriteAll(left, "M,6,none\r\n"));
        const QString line = "left by an interrupted write: " + name;
        QCOMPARE(InspectCard(card).text.contains(line), ours);
        for (const char* file : {"config.ini", "time.ini"})
            QVERIFY(WriteFileSafely(card + file, "VAS=on\r\n").ok);
        QCOMPARE(QFileInfo::exists(left) || QFileInfo(left).isSymLink(), !ours);
        QVERIFY(ReadAll(Path("elsewhere.ini")) == "Loop=20\r\n");
        QVERIFY(!InspectCard(card).text.contains("left by an interrupted write"));
    }
};

QTEST_MAIN(SafeWriteTest)
#include "tst_safewrite.moc"
