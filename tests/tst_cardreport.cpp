// The card report: WAV headers, the recordings under a card folder with their bounds,
// the clock files, --inspect's exit codes, and a real FAT card image.
#include "app/preferences/prefcodec.h"
#include "common/cardidentity.h"
#include "preferencedefaults.h"
#include "recorder_files/cardreport.h"
#include "recorder_files/deployment.h"
#include "recorder_files/wavheader.h"
#include "testsupport.h"
#include "wavfiles.h"

#include <QDir>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>
#include <ctime>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>

using Files = QMap<QString, QByteArray>; // name in the card folder: bytes

namespace
{

// Recordings as the recorder leaves them: "REC/A.WAV 2026-06-10T09:00 60" is a file of
// 60 minutes at 100 bytes a second that the recorder closed at 9:00 on 10 June (in the
// zone of the test); a fourth number is the minutes its header claims.
bool WriteRecordings(const QString& card, const QStringList& recordings)
{
    for (const QString& recording : recordings) {
        const QStringList parts = recording.split(' ');
        const QString name = card + '/' + parts[0];
        const int bytes = 100 * 60 * parts[2].toInt();
        const qint64 claimed = parts.size() > 3 ? 100 * 60 * parts[3].toLongLong() : -1;
        if (!QDir().mkpath(QFileInfo(name).path()) ||
            !WriteAll(name, WavBytes(7, 100, bytes, QByteArray(), claimed)))
            return false;
        QFile file(name);
        if (!file.open(QIODevice::ReadWrite) ||
            !file.setFileTime(QDateTime::fromString(parts[1], Qt::ISODate),
                              QFileDevice::FileModificationTime))
            return false;
    }
    return true;
}

// The lines of the day-by-day part: from "day by day" on, indented or "needs a look:".
QStringList DayByDayPart(const QString& report)
{
    const QStringList lines = report.split('\n', Qt::SkipEmptyParts);
    QStringList part;
    for (const QString& line : lines) {
        if (line.startsWith("day by day") ||
            (!part.isEmpty() && (line.startsWith("    ") || line == "needs a look:")))
            part << line;
        else if (!part.isEmpty())
            break;
    }
    return part;
}

} // namespace

class CardReportTest : public QObject
{
    Q_OBJECT

private slots:
    // The cards this test mounts are seen by this process (and its children) alone.
    void initTestCase()
    {
        if (!OwnMountNamespace())
            qWarning("no mount namespace of its own: the FAT card is mounted where all see it");
    }

    // Playing time comes from the format (rate, channels, sample size, ADPCM block), not
    // from the header's byte rate; an unfinished recording counts the bytes there.
    void header_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint64>("fileSize"); // -1: the bytes' own size
        QTest::addColumn<qint64>("milliseconds");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("note");
        const QString unfinished = "unfinished recording (the recorder stopped before closing it)";
        const auto riff = [](QByteArray bytes, quint32 size) {
            return bytes.replace(4, 4, Le32(size));
        };
        QTest::newRow("PCM") << WavBytes(1, 16000, 32000) << qint64(-1) << qint64(2000) << ""
                             << "";
        QTest::newRow("u-Law") << WavBytes(7, 8000, 4000) << qint64(-1) << qint64(500) << ""
                               << "";
        QTest::newRow("IMA ADPCM") << WavBytes(0x11, 4055, 4096) << qint64(-1) << qint64(1010) << ""
                                   << "";
        QTest::newRow("MS ADPCM") << WavBytes(2, 4096, 4096) << qint64(-1) << qint64(1000) << ""
                                  << "";
        QTest::newRow("odd chunk before fmt")
            << WavBytes(7, 8000, 8000, "LIST" + Le32(3) + "abc" + '\0') << qint64(-1)
            << qint64(1000) << ""
            << "";
        QTest::newRow("data claims more than the file holds")
            << WavBytes(7, 8000, 4000, QByteArray(), 800000000) << qint64(-1) << qint64(500) << ""
            << "";
        QTest::newRow("only the head read of a long file")
            << WavBytes(7, 8000, 0, QByteArray(), 80000) << qint64(44 + 80000) << qint64(10000)
            << ""
            << "";
        QTest::newRow("byte rate 1")
            << WavBytes(7, 1, 16000, {}, -1, 8000) << qint64(-1) << qint64(2000) << ""
            << "header's byte rate 1 does not match 8000 Hz u-Law: "
               "counted as 8000 B/s";
        QTest::newRow("byte rate not rate x block")
            << WavBytes(1, 1600, 32000, {}, -1, 8000) << qint64(-1) << qint64(2000) << ""
            << "header's byte rate 1600 does not match 8000 Hz PCM: counted as 16000 B/s";
        QTest::newRow("byte rate 0")
            << WavBytes(1, 0, 16000, {}, -1, 8000) << qint64(-1) << qint64(1000) << ""
            << "header's byte rate 0 does not match 8000 Hz PCM: "
               "counted as 16000 B/s";
        QTest::newRow("ADPCM byte rate of PCM")
            << WavBytes(0x11, 8000, 4096) << qint64(-1) << qint64(1010) << ""
            << "header's byte rate 8000 does not match 8000 Hz IMA ADPCM: counted as 4055 B/s";
        QTest::newRow("data size 0, sound after")
            << WavBytes(7, 8000, 16000, {}, 0) << qint64(-1) << qint64(2000) << "" << unfinished;
        QTest::newRow("data size 0xFFFFFFFF") << WavBytes(7, 8000, 16000, {}, 0xFFFFFFFF)
                                              << qint64(-1) << qint64(2000) << "" << unfinished;
        // Sparse files: a playing time for every size a file system allows, held to the limit.
        const QByteArray open = WavBytes(7, 8000, 0, {}, 0xFFFFFFFF);
        QTest::newRow("1 TiB") << open << qint64(44) + (qint64(1) << 40) << (qint64(1) << 40) / 8
                               << "" << unfinished;
        QTest::newRow("2^63 - 1 bytes") << open << std::numeric_limits<qint64>::max()
                                        << WavLongestMilliseconds << "" << unfinished;
        QTest::newRow("RIFF size 0")
            << riff(WavBytes(7, 8000, 16000), 0) << qint64(-1) << qint64(2000) << "" << unfinished;
        QTest::newRow("data size 0, nothing after")
            << WavBytes(7, 8000, 0, {}, 0) << qint64(-1) << qint64(0) << ""
            << "";
        QTest::newRow("not RIFF") << QByteArray("hello") << qint64(-1) << qint64(0)
                                  << "not a WAV file"
                                  << "";
        QTest::newRow("RIFF lost, whole recording")
            << QByteArray(4, '\0') + WavBytes(7, 8000, 80000).mid(4) << qint64(-1) << qint64(0)
            << "not a WAV file"
            << "";
        QTest::newRow("RIFF but not WAVE")
            << QByteArray("RIFF\4\0\0\0AVI ") << qint64(-1) << qint64(0) << "not a WAV file"
            << "";
        QTest::newRow("no data") << WavBytes(1, 16000, 0).left(36) << qint64(-1) << qint64(0)
                                 << "no data chunk in the first 64 KiB"
                                 << "";
        QTest::newRow("fmt too short") << QByteArrayLiteral("RIFF\20\0\0\0WAVEfmt \4\0\0\0\1\0\1\0")
                                       << qint64(-1) << qint64(0) << "fmt chunk too short"
                                       << "";
        QTest::newRow("sample rate 0") << WavBytes(7, 8000, 100, {}, -1, 0) << qint64(-1)
                                       << qint64(0) << "sample rate 0 in the fmt chunk"
                                       << "";
        QTest::newRow("unknown format")
            << WavBytes(0x55, 16000, 100) << qint64(-1) << qint64(0) << "unknown WAV format 85"
            << "";
        QTest::newRow("chunk size past the end")
            << QByteArrayLiteral("RIFF\20\0\0\0WAVEjunk\377\377\377\377") << qint64(-1) << qint64(0)
            << "no fmt chunk in the first 64 KiB"
            << "";
    }
    void header()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(qint64, fileSize);
        QFETCH(qint64, milliseconds);
        QFETCH(QString, error);
        QFETCH(QString, note);
        const WavInfo info = ReadWavHeader(bytes, fileSize < 0 ? bytes.size() : fileSize);
        QCOMPARE(info.error, error);
        QCOMPARE(info.ok, error.isEmpty());
        QVERIFY2(!info.ok || info.bytesPerSecond > 0, "a readable header with 0 bytes a second");
        QCOMPARE(info.milliseconds, milliseconds);
        QCOMPARE(info.note, note);
        QCOMPARE(info.unfinished, note.startsWith("unfinished"));
    }

    // A card folder as it comes back: recordings in sub-folders, a broken one, a pipe
    // named .wav, a link back to the card and recordings nested too deep.
    void report_data()
    {
        QTest::addColumn<int>("entries");
        QTest::addColumn<QString>("recordings");
        QTest::addColumn<QStringList>("notes");
        QTest::addColumn<int>("code");
        const QString all =
            "recordings: 3, 372191 bytes, playing 1 h 0 min 1 s, oldest 2026-11-01 08:00:00, "
            "newest 2026-12-01 08:00:00; 2 unreadable";
        QTest::newRow("whole card")
            << 100000 << all
            << QStringList{"    REC/BROKEN.WAV: not a WAV file", "    REC/LOST.WAV: not a WAV file",
                           "    pipe.wav: skipped: It is a pipe or socket, not a file",
                           "    more files not counted"}
            << 1;
        QTest::newRow("entries bound")
            << 3
            << "recordings: 1, 8044 bytes, playing 1 s, oldest 2026-12-01 08:00:00, newest "
               "2026-12-01 08:00:00"
            << QStringList{"    more files not counted"} << 0;
    }
    void report()
    {
        QFETCH(int, entries);
        QFETCH(QString, recordings);
        QFETCH(QStringList, notes);
        QFETCH(int, code);
        QTemporaryDir dir;
        QDir card(dir.path());
        QString deep = QStringLiteral("REC");
        for (int level = 2; level <= 9; ++level)
            deep += QStringLiteral("/%1").arg(level);
        QVERIFY(card.mkpath(deep));
        const auto wav = [&](const QString& name, const QByteArray& bytes, const QDate& day) {
            QFile file(card.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
            QVERIFY(file.flush());
            file.setFileTime(QDateTime(day, QTime(8, 0)), QFileDevice::FileModificationTime);
        };
        wav("A.WAV", WavBytes(7, 8000, 8000), {2026, 12, 1});
        wav("REC/b.wav", WavBytes(7, 100, 100 * 3600), {2026, 11, 1});
        wav("REC/BROKEN.WAV", "not a wav", {2026, 11, 2});
        // A recording whose RIFF was zeroed is no recording, whatever its size.
        wav("REC/LOST.WAV", QByteArray(4, '\0') + WavBytes(7, 8000, 80000).mid(4), {2026, 11, 2});
        wav("REC/2/3/4/5/6/7/8/c.Wav", WavBytes(0x11, 4055, 4055), {2026, 11, 3});
        wav(deep + "/too-deep.wav", WavBytes(7, 8000, 8000), {2026, 11, 4});
        wav("notes.txt", "x", {2026, 11, 5});
        QCOMPARE(mkfifo(QFile::encodeName(card.filePath("pipe.wav")).constData(), 0644), 0);
        QVERIFY(QFile::link(dir.path(), card.filePath("REC/loop")));
        CardReportOptions options;
        options.bounds.entries = entries;
        const CardReport report = InspectCard(dir.path(), options);
        QStringList lines = report.text.split('\n');
        const int at = lines.indexOf(recordings);
        QVERIFY2(at > 0, qPrintable(report.text));
        QCOMPARE(lines.mid(at + 1, notes.size()), notes);
        QCOMPARE(report.exitCode, code);
    }

    // Cards whose recordings lie in their headers, or were never closed: --inspect (and
    // the window's card report, the same text) and the status line give the same count.
    void recordings_data()
    {
        QTest::addColumn<Files>("files");
        QTest::addColumn<QString>("line"); // the recordings line up to "oldest"
        QTest::addColumn<QStringList>("notes");
        QTest::addColumn<QString>("status");
        const QByteArray seconds45 = WavBytes(7, 8000, 45 * 8000);
        QTest::newRow("45 s") << Files{{"R001.WAV", seconds45}}
                              << "recordings: 1, 360044 bytes, playing 45 s, " << QStringList()
                              << "1 recording, 45 s";
        QTest::newRow("byte rate 1")
            << Files{{"R001.WAV", WavBytes(7, 1, 16000, {}, -1, 8000)}}
            << "recordings: 1, 16044 bytes, playing 2 s, "
            << QStringList{"    R001.WAV: header's byte rate 1 does not match 8000 Hz u-Law: "
                           "counted as 8000 B/s, 2 s"}
            << "1 recording, 2 s";
        QTest::newRow("unfinished")
            << Files{{"REC/R017.WAV", WavBytes(7, 100, 72000, {}, 0)}}
            << "recordings: 1, 72044 bytes, playing 12 min, "
            << QStringList{"    REC/R017.WAV: unfinished recording (the recorder stopped before "
                           "closing it), 12 min"}
            << "1 recording, 12 min";
        QTest::newRow("unreadable apart")
            << Files{{"REC/R001.WAV", seconds45}, {"REC/R007.WAV", "not a wav"}}
            << "recordings: 1, 360044 bytes, playing 45 s, "
            << QStringList{"    REC/R007.WAV: not a WAV file"} << "1 recording, 45 s, 1 unreadable";
        QTest::newRow("name not UTF-8") << Files{{"ok\\xff.wav", seconds45}, {"REC/\\xfe.wav", "x"}}
                                        << "recordings: 1, 360044 bytes, playing 45 s, "
                                        << QStringList{"    REC/\\xfe.wav: not a WAV file",
                                                       "    ok\\xff.wav: its name is not valid "
                                                       "UTF-8, 45 s"}
                                        << "1 recording, 45 s, 1 unreadable";
        QTest::newRow("RIFF lost") << Files{{"R001.WAV", QByteArray(4, '\0') + seconds45.mid(4)}}
                                   << "recordings: none; 1 unreadable"
                                   << QStringList{"    R001.WAV: not a WAV file"} << "1 unreadable";
    }
    void recordings()
    {
        QFETCH(Files, files);
        QFETCH(QString, line);
        QFETCH(QStringList, notes);
        QFETCH(QString, status);
        TestFolder dir;
        for (auto file = files.cbegin(); file != files.cend(); ++file) {
            QVERIFY(QDir(dir.path()).mkpath(QFileInfo(dir.filePath(file.key())).path()));
            // "\\xff" in a name stands for that byte, which no QString file name holds.
            const QByteArray name = QFile::encodeName(dir.filePath(file.key()))
                                        .replace("\\xff", "\xff")
                                        .replace("\\xfe", "\xfe");
            FILE* f = std::fopen(name.constData(), "wb");
            QVERIFY(f && std::fwrite(file.value().constData(), 1, file.value().size(), f) ==
                             size_t(file.value().size()));
            QCOMPARE(std::fclose(f), 0);
        }
        const QStringList lines = InspectCard(dir.path()).text.split('\n');
        const qsizetype at = lines.indexOf(QRegularExpression("^recordings: .*"));
        QVERIFY2(at > 0 && lines[at].startsWith(line), qPrintable(lines.join('\n')));
        QCOMPARE(lines.mid(at + 1, notes.size()), notes);
        QVERIFY(!lines.value(at + 1 + notes.size()).startsWith("    ")); // no other note
        QCOMPARE(RecordingsText(SummariseRecordings(dir.path())), status);
    }

    // The clock file under the name the preferences give (TimeName), as --inspect reads it.
    void clock_data()
    {
        QTest::addColumn<QString>("timeName");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("line");
        QTest::newRow("waiting") << "time.ini" << QStringList{"time.ini"}
                                 << "clock: time.ini waiting: 01.01.01 00:05:09, the recorder "
                                    "will set its clock to it, not the time now (no time.ok)";
        QTest::newRow("set") << "time.ini" << QStringList{"time.ok"}
                             << "clock: clock set: time.ok present";
        QTest::newRow("set, file left") << "time.ini" << QStringList{"time.ini", "time.ok"}
                                        << "clock: clock set: time.ok present";
        QTest::newRow("none") << "time.ini" << QStringList{} << "clock: no clock file";
        QTest::newRow("TimeName clock.ini")
            << "clock.ini" << QStringList{"clock.ini", "time.ini"}
            << "clock: clock.ini waiting: 01.01.01 00:05:09, the recorder will set its clock to "
               "it, not the time now (no time.ok)";
    }
    void clock()
    {
        QFETCH(QString, timeName);
        QFETCH(QStringList, files);
        QFETCH(QString, line);
        QTemporaryDir dir;
        for (const QString& name : files)
            QVERIFY(WriteAll(dir.filePath(name), "01.01.01\r\n00:05:09\r\n"));
        auto restore = qScopeGuard([] { ResetPreferences(); });
        SetPrefText(Preferences.TimeName, sizeof Preferences.TimeName, timeName);
        const QString report = InspectCard(dir.path(), PreferenceReportOptions()).text;
        QVERIFY2(report.split('\n').contains(line), qPrintable(report));
    }

    // Exit codes and the config.ini part: 0 all readable, 1 config.ini unreadable, 2 the
    // folder itself.
    void folder_data()
    {
        QTest::addColumn<QByteArray>("config"); // "<pipe>": a pipe named config.ini
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("code");
        QTest::newRow("good") << QByteArray("Event=all\r\nT1,*.*,8:0,60\r\nLoop=none\r\n") << ""
                              << "config.ini: every line took effect (3 lines)" << 0;
        QTest::newRow("none") << QByteArray() << ""
                              << "config.ini: none on the card" << 0;
        QTest::newRow("a line without effect") << QByteArray("Event=all\r\nLoop=0\r\n") << ""
                                               << "    line 2: Loop=0" << 1;
        QTest::newRow("a setting set again")
            << QByteArray("Loop=100\r\nEvent=key\r\nLoop=none\r\n") << ""
            << "    line 1 sets the loop size; line 3 sets it again" << 0;
        QTest::newRow("pipe") << QByteArray("<pipe>") << ""
                              << "config.ini: cannot read it: It is a pipe or socket, not a file"
                              << 1;
        QTest::newRow("missing folder") << QByteArray() << "/gone"
                                        << "cannot read the card folder: no such folder" << 2;
        QTest::newRow("file") << QByteArray() << "/f/"
                              << "cannot read the card folder: not a folder" << 2;
    }
    void folder()
    {
        QFETCH(QByteArray, config);
        QFETCH(QString, where);
        QFETCH(QString, line);
        QFETCH(int, code);
        QTemporaryDir dir;
        const QString name = dir.filePath("config.ini");
        QVERIFY(WriteAll(dir.filePath("f"), "x"));
        if (config == "<pipe>")
            QCOMPARE(mkfifo(QFile::encodeName(name).constData(), 0644), 0);
        else if (!config.isEmpty())
            QVERIFY(WriteAll(name, config));
        const CardReport report = InspectCard(dir.path() + where);
        QVERIFY2(report.text.split('\n').contains(line), qPrintable(report.text));
        QCOMPARE(report.exitCode, code);
    }

    // What the user may not read: the folder (2) or one recording (1).
    void unreadable_data()
    {
        QTest::addColumn<QString>("locked");
        QTest::addColumn<int>("code");
        QTest::newRow("folder") << "" << 2;
        QTest::newRow("recording") << "/A.WAV" << 1;
    }
    void unreadable()
    {
        QFETCH(QString, locked);
        QFETCH(int, code);
        QTemporaryDir dir;
        QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7777)));
        QVERIFY(WriteAll(dir.filePath("A.WAV"), WavBytes(7, 8000, 8000)));
        QVERIFY(QFile::setPermissions(dir.path() + locked, QFileDevice::WriteOwner));
        QCOMPARE(RunInChild(true, [&] { return InspectCard(dir.path()).exitCode; }), code);
    }

    // Day by day, the recordings against the card's schedule and what needs a look, from
    // the deployment (else the first recording) to the day the card came back; --inspect
    // exits 1 where something needs a look.
    void dayByDay_data()
    {
        QTest::addColumn<QStringList>("recordings");
        QTest::addColumn<QByteArray>("config");
        QTest::addColumn<QString>("lastWrite"); // of the card in the record; "" none
        QTest::addColumn<QString>("pickup");    // when the card came back
        QTest::addColumn<QStringList>("lines");
        const QByteArray daily = "M,8,ulaw\r\nEvent=all\r\nT1,*.*,8:0,60\r\nT2,*.*,18:0,30\r\n";
        const QString stopped = " (the recorder stopped: battery, card full?)";
        const QString table = "day by day: date, recorded, scheduled";
        QStringList gap;
        for (int day : {10, 11, 12, 13, 21})
            gap << QString("REC/%1/M.WAV 2026-06-%1T09:00 60").arg(day)
                << QString("E%1.WAV 2026-06-%1T18:30 30").arg(day);
        gap.removeLast(); // only the morning of 21 June, the card taken out at noon
        QStringList gapTable{table};
        for (int day = 10; day <= 21; ++day)
            gapTable << QString("    2026-06-%1 %2     %3 min")
                            .arg(day)
                            .arg(day <= 13   ? "    90 min"
                                 : day == 21 ? "    60 min"
                                             : "     0 min")
                            .arg(day == 21 ? 60 : 90);
        QTest::newRow("a gap") << gap << daily << ""
                               << "2026-06-21T12:00"
                               << gapTable +
                                      QStringList{
                                          "needs a look:",
                                          "    no recordings from 14 June to 20 June, where the "
                                          "schedule writes 90 min a day" +
                                              stopped};
        // The recorder's clock starts at 1 January 2000 until it is set; a recording that
        // runs over midnight counts on both days; a date-bound timer writes on its date only,
        // and its write runs on into the next day.
        QTest::newRow("clock not set, midnight, dates")
            << QStringList{"A.WAV 2000-01-01T00:40 30", "B.WAV 2000-01-01T02:00 30",
                           "C.WAV 2026-06-15T00:30 60", "D.WAV 2026-06-17T00:10 10"}
            << QByteArray("Event=all\r\nT1,14.6,23:30,60\r\nT2,17.6,0:0,10\r\nVAS=on\r\n") << ""
            << "2026-06-17T12:00"
            << QStringList{table,
                           "    2026-06-14     30 min     30 min",
                           "    2026-06-15     30 min     30 min",
                           "    2026-06-16      0 min      0 min",
                           "    2026-06-17     10 min     10 min",
                           "    VAS on: the recorder writes only while it hears sound, the "
                           "scheduled minutes are the most it writes",
                           "needs a look:",
                           "    recordings dated 1 January 2000: the recorder's clock was not "
                           "set (2 recordings: A.WAV, B.WAV)"};
        QTest::newRow("no config.ini, one day missing")
            << QStringList{"A.WAV 2026-06-01T10:00 5", "B.WAV 2026-06-03T10:00 5"} << QByteArray()
            << ""
            << "2026-06-03T12:00"
            << QStringList{table, "    2026-06-01      5 min          -",
                           "    2026-06-02      0 min          -",
                           "    2026-06-03      5 min          -"};
        // The table starts at the card's last good write to it, counting that day's schedule
        // after the write; recordings from before it are left from before or dated by a
        // wrong clock; later writes to other cards and failed ones do not count.
        QTest::newRow("record knows the card")
            << QStringList{"A.WAV 2026-05-30T08:59 1", "B.WAV 2026-06-02T00:30 60",
                           "C.WAV 2026-06-03T00:30 60", "D.WAV 2000-01-01T09:00 1"}
            << QByteArray("M,8,ulaw\r\nEvent=all\r\nT1,*.*,23:30,60\r\n") << "2026-06-01T12:00:00"
            << "2026-06-03T12:00"
            << QStringList{table,
                           "    2026-06-01     30 min     30 min",
                           "    2026-06-02     60 min     60 min",
                           "    2026-06-03     30 min     30 min",
                           "    recordings after the card's last write in the record (2026-06-01 "
                           "12:00): 2 of 3",
                           "needs a look:",
                           "    recordings dated 1 January 2000: the recorder's clock was not set "
                           "(1 recording: D.WAV)",
                           "    recordings from before the card's last write in the record "
                           "(2026-06-01 12:00): left on the card from before, or the recorder's "
                           "clock was wrong (1 recording: A.WAV)"};
        QTest::newRow("clock never set")
            << QStringList{"A.WAV 2000-01-01T00:40 30", "B.WAV 2000-01-02T02:00 30"} << daily << ""
            << "2026-12-08T12:00"
            << QStringList{"day by day: no recordings dated between the deployment and the day "
                           "the card came back",
                           "needs a look:",
                           "    recordings dated 1 January 2000 to 2 January 2000: the "
                           "recorder's clock was not set (2 recordings: A.WAV, B.WAV)"};
        // The days without recordings before the card came back (at 9:00, after the 5:00
        // timer) are a gap too.
        QStringList early{table};
        for (QDate day(2026, 11, 28); day <= QDate(2026, 12, 7); day = day.addDays(1))
            early << QString("    %1 %2     60 min")
                         .arg(day.toString(Qt::ISODate),
                              day.month() == 11 ? "    60 min" : "     0 min");
        QTest::newRow("stopped early")
            << QStringList{"A.WAV 2026-11-28T06:00 60", "B.WAV 2026-11-29T06:00 60",
                           "C.WAV 2026-11-30T06:00 60"}
            << QByteArray("Event=all\r\nT1,*.*,5:0,60\r\n") << ""
            << "2026-12-07T09:00"
            << early + QStringList{"needs a look:",
                                   "    no recordings from 1 December to 7 December, the day the "
                                   "card came back, where the schedule writes 60 min a day: the "
                                   "recorder stopped 7 days early (battery, card full?)"};
        // The card written at 8:00, after the 5:00 timer; ten minutes at noon; a header
        // that claims 3 minutes over one of sound, in a file whose name reads like "%1"; a
        // clock set ahead.
        QTest::newRow("deployment day, outside the timers, short, ahead")
            << QStringList{"A.WAV 2026-12-01T20:30 60", "B.WAV 2026-12-02T06:00 60",
                           "NOON.WAV 2026-12-02T12:10 10", "SHORT%1.WAV 2026-12-02T20:30 1 3",
                           "FUTURE.WAV 2027-03-02T06:00 60"}
            << QByteArray("Event=all\r\nT1,*.*,5:0,60\r\nT2,*.*,19:30,60\r\n")
            << "2026-12-01T08:00:00"
            << "2026-12-02T21:00"
            << QStringList{table,
                           "    2026-12-01     60 min     60 min",
                           "    2026-12-02     71 min    120 min",
                           "    recordings after the card's last write in the record (2026-12-01 "
                           "08:00): 5 of 5",
                           "needs a look:",
                           "    recordings dated 2 March 2027, after the day the card came back "
                           "(2 December 2026): the recorder's clock was set ahead (1 recording: "
                           "FUTURE.WAV)",
                           "    recordings outside every timer's window (1 recording: "
                           "NOON.WAV): started by hand, or the recorder's clock was wrong",
                           "    recordings shorter than their header says, counted by their "
                           "sound: SHORT%1.WAV (header 180 s, sound 60 s): the recorder lost "
                           "power, or the card was full?"};
        QTest::newRow("below half, VAS off")
            << QStringList{"A.WAV 2026-12-01T06:00 60", "B.WAV 2026-12-02T05:20 20",
                           "C.WAV 2026-12-03T06:00 60"}
            << QByteArray("Event=all\r\nT1,*.*,5:0,60\r\n") << ""
            << "2026-12-03T09:00"
            << QStringList{table,
                           "    2026-12-01     60 min     60 min",
                           "    2026-12-02     20 min     60 min",
                           "    2026-12-03     60 min     60 min",
                           "needs a look:",
                           "    less than half of the schedule recorded, with VAS off, on 2 "
                           "December (20 of 60 min): the recorder stopped early (battery, card "
                           "full?)"};
    }
    void dayByDay()
    {
        QFETCH(QStringList, recordings);
        QFETCH(QByteArray, config);
        QFETCH(QString, lastWrite);
        QFETCH(QString, pickup);
        QFETCH(QStringList, lines);
        QTemporaryDir dir;
        QVERIFY(WriteRecordings(dir.path(), recordings));
        QVERIFY(config.isEmpty() || WriteAll(dir.filePath("config.ini"), config));
        const CardIdentity card{"REC01", "1A2B-3C4D"};
        SetCardIdentitySource([card](const QString&) { return card; });
        const auto unset = qScopeGuard([] { SetCardIdentitySource({}); });
        CardReportOptions options;
        const QDateTime back = QDateTime::fromString(pickup, Qt::ISODate);
        options.today = back.date();
        options.pickupTime = back.time();
        if (!lastWrite.isEmpty()) {
            options.recordFile = dir.filePath("deployments.csv");
            DeploymentRow row;
            row.card = card;
            row.at = QDateTime::fromString(lastWrite, Qt::ISODate);
            QByteArray record = DeploymentHeader() + DeploymentLine(row);
            row.at = row.at.addDays(3);
            row.error = "no space";
            record += DeploymentLine(row);
            row.error.clear();
            row.card.serial = "9999-9999";
            QVERIFY(WriteAll(options.recordFile, record + DeploymentLine(row)));
        }
        const CardReport report = InspectCard(dir.path(), options);
        QCOMPARE(DayByDayPart(report.text), lines);
        QCOMPARE(report.exitCode, lines.contains("needs a look:") ? 1 : 0);
    }

    // The recorder's clock knows no summer time: a recorder that keeps its nightly
    // schedule is on it every night, where the clocks change and where a zone's midnight
    // does not exist. The file times are set in the zone of the row, the minutes expected
    // are worked out on the recorder's clock.
    void recorderClock_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QTime>("start"); // of the timer and of each night's recording
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QDate>("first"); // night
        QTest::addColumn<QDate>("last");
        const QTime night(23, 0), evening(18, 0);
        QTest::newRow("Berlin, March") << QByteArray("Europe/Berlin") << night << 240
                                       << QDate(2026, 3, 26) << QDate(2026, 4, 1);
        QTest::newRow("Berlin, October") << QByteArray("Europe/Berlin") << night << 240
                                         << QDate(2026, 10, 22) << QDate(2026, 10, 28);
        QTest::newRow("Havana, no midnight on 8 March")
            << QByteArray("America/Havana") << evening << 720 << QDate(2026, 3, 5)
            << QDate(2026, 3, 10);
        QTest::newRow("Santiago, no midnight on 6 September")
            << QByteArray("America/Santiago") << evening << 720 << QDate(2026, 9, 3)
            << QDate(2026, 9, 8);
        QTest::newRow("Santiago, April") << QByteArray("America/Santiago") << evening << 720
                                         << QDate(2026, 4, 2) << QDate(2026, 4, 7);
    }
    void recorderClock()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QTime, start);
        QFETCH(int, minutes);
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        const QByteArray before = qgetenv("TZ");
        qputenv("TZ", zone);
        tzset();
        const auto restore = qScopeGuard([&] {
            qputenv("TZ", before);
            tzset();
        });
        QTemporaryDir dir;
        QVERIFY(WriteAll(dir.filePath("config.ini"), QString("Event=all\r\nT1,*.*,%1,%2\r\n")
                                                         .arg(start.toString("H:m"))
                                                         .arg(minutes)
                                                         .toLatin1()));
        // Minute by minute on a clock where every day has 24 hours.
        QMap<QDate, int> expected;
        QStringList recordings;
        for (QDate night = first; night <= last; night = night.addDays(1)) {
            const QDateTime from(night, start, Qt::UTC);
            const QDateTime end = from.addSecs(minutes * 60);
            for (QDateTime m = from; m < end; m = m.addSecs(60))
                ++expected[m.date()];
            recordings << QString("%1.WAV %2 %3")
                              .arg(night.toString("MMdd"), end.toString("yyyy-MM-ddTHH:mm"))
                              .arg(minutes);
        }
        QVERIFY(WriteRecordings(dir.path(), recordings));
        CardReportOptions options;
        options.today = last.addDays(1);
        options.pickupTime = QTime(12, 0);
        const CardReport report = InspectCard(dir.path(), options);
        QStringList rows;
        int total = 0;
        for (const DayFigures& day : report.days.days) {
            rows << QString("%1 %2").arg(day.date.toString(Qt::ISODate)).arg(day.RecordedMinutes());
            total += day.RecordedMinutes();
            // Every whole night of the field, the schedule's minutes to the minute.
            if (day.date > first && day.date <= last)
                QCOMPARE(day.scheduledMinutes, minutes);
        }
        QStringList expectedRows;
        for (auto it = expected.cbegin(); it != expected.cend(); ++it)
            expectedRows << QString("%1 %2").arg(it.key().toString(Qt::ISODate)).arg(it.value());
        QCOMPARE(rows, expectedRows);
        QCOMPARE(total, minutes * recordings.size());
        QVERIFY2(!report.text.contains("no recordings"), qPrintable(report.text));
    }

    // A real card: a FAT image mounted with fusefat, holding recordings, inspected by the
    // program itself.
    void fatCard()
    {
        QTemporaryDir dir;
        const QString image = dir.filePath("card.img");
        const QString mount = dir.filePath("card");
        QVERIFY(QDir().mkpath(mount));
        if (QProcess::execute(QStringLiteral("mkfs.vfat"), {"-C", "-n", "REC01", image, "4096"}) !=
            0)
            QSKIP("mkfs.vfat is not installed");
        if (QProcess::execute(QStringLiteral("fusefat"), {"-o", "rw+", image, mount}) != 0)
            QSKIP("fusefat cannot mount here");
        const auto unmount = qScopeGuard([&] {
            QProcess::execute(QStringLiteral("fusermount"), {"-u", mount});
        });
        QVERIFY(QDir(mount).mkdir("REC"));
        for (int i = 0; i < 3; ++i)
            QVERIFY(WriteAll(mount + QStringLiteral("/REC/R%1.WAV").arg(i),
                             WavBytes(7, 100, 100 * 20 * 60)));
        QVERIFY(WriteAll(mount + "/REC/BROKEN.WAV", "broken"));
        QVERIFY(WriteAll(mount + "/config.ini", "Event=all\r\nT1,*.*,8:0,60\r\n"));
        QProcess p;
        // --record names the record asked for the card's last write.
        p.start(QStringLiteral(PLIMO_BINARY),
                {"--inspect", mount, "--record", dir.filePath("deployments.csv")});
        QVERIFY(p.waitForFinished(10000));
        const QString out = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY2(out.contains(QRegularExpression("\nrecordings: 3, 360132 bytes, playing 1 h "
                                                 "0 min, oldest .*; 1 unreadable\n    "
                                                 "REC/BROKEN.WAV: not a WAV file\n")),
                 qPrintable(out));
        // The card keeps the times its writer gave the files: the recordings end now, so
        // their hour is today's, or just after midnight partly yesterday's.
        const QString today = QDate::currentDate().toString(Qt::ISODate);
        const QString yesterday = QDate::currentDate().addDays(-1).toString(Qt::ISODate);
        const QRegularExpression days("\nday by day: date, recorded, scheduled\n(    " + yesterday +
                                      " +(\\d+) min +\\d+ min\n)?    " + today +
                                      " +(\\d+) min +\\d+ min\n");
        const QRegularExpressionMatch day = days.match(out);
        QVERIFY2(day.hasMatch() && day.captured(2).toInt() + day.captured(3).toInt() == 60,
                 qPrintable(out));
        QVERIFY2(out.contains(QRegularExpression("\nfree space: 0.00 GB \\(\\d+ bytes\\), full "
                                                 "after 0 days")),
                 qPrintable(out));
        QCOMPARE(p.exitCode(), 1);
    }
};

QTEST_GUILESS_MAIN(CardReportTest)
#include "tst_cardreport.moc"
