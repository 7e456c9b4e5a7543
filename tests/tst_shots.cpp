// ./build.sh shots: the README's pictures, made twice, are all there and the same bytes.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class ShotsTest : public QObject
{
    Q_OBJECT

private:
    // Runs the picture maker into folder; its file names, sorted.
    static QStringList MakeShots(const QString& folder)
    {
        QProcess shots;
        shots.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        shots.start(QStringLiteral(PLIMO_SHOTS), {folder, QStringLiteral(PLIMO_QM)});
        if (!shots.waitForFinished(120000)) {
            shots.kill();
            shots.waitForFinished();
            return {QStringLiteral("timed out")};
        }
        if (shots.exitStatus() != QProcess::NormalExit || shots.exitCode() != 0)
            return {QStringLiteral("failed")};
        return QDir(folder).entryList(QDir::Files, QDir::Name);
    }

private slots:
    void sameShotsOnEveryRun()
    {
        QTemporaryDir first;
        QTemporaryDir second;
        const QStringList names = MakeShots(first.path());
        // Every picture the README and the guide show.
        const QStringList readme{"card_report.png",
                                 "card_report_1024x600_ru.png",
                                 "cards_1024x600.png",
                                 "cards_1024x600_ru.png",
                                 "cards_1366x768.png",
                                 "cards_1366x768_ru.png",
                                 "collect_1024x600.png",
                                 "collect_result_1024x600.png",
                                 "form.png",
                                 "form_ru.png",
                                 "modified.png",
                                 "schedule.png",
                                 "scrolled_1366x768.png",
                                 "status_1024x600.png",
                                 "status_1024x600_ru.png"};
        QCOMPARE(names, readme);
        QCOMPARE(MakeShots(second.path()), names);
        for (const QString& name : names) {
            QFile a(first.filePath(name));
            QFile b(second.filePath(name));
            QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
            QVERIFY2(a.readAll() == b.readAll(), qPrintable(name + " differs between runs"));
        }
    }
};

QTEST_GUILESS_MAIN(ShotsTest)
#include "tst_shots.moc"
