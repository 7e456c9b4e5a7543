// The window while Cards works on four FAT cards (fusefat images, in a mount namespace of
// this program's own): the longest gap between the ticks of a 1 ms timer from the first
// Write the form through Verify against the form and Collect... to the end, and how long
// the three actions took.
//   cards_stall_ms=<longest gap> cards_ms=<all three actions>
// Needs root (the mount namespace) and fusefat; prints cards_stall_ms=skipped otherwise.
#include "app/cardsview.h"
#include "app/collectwindow.h"
#include "app/plimoappwindow.h"
#include "bench/stallwatch.h"
#include "editor/cardpicker.h"
#include "editor/configeditwindow.h"
#include "tests/wavfiles.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>
#include <sched.h>
#include <sys/mount.h>

namespace
{

constexpr int Cards = 4;
constexpr int RecordingBytes = 8 * 1000 * 1000; // per card

// A FAT image of 64 MB mounted at folder with one 8 MB recording; false where it cannot be.
bool MountCard(const QString& image, const QString& folder, QProcess* daemon)
{
    QDir().mkpath(folder);
    if (QProcess::execute("mkfs.vfat", {"-C", image, "65536"}) != 0)
        return false;
    daemon->setStandardOutputFile(QProcess::nullDevice());
    daemon->setStandardErrorFile(QProcess::nullDevice());
    daemon->start("fusefat", {"-f", "-s", "-o", "rw+", image, folder});
    for (int i = 0; i < 100; ++i) {
        if (QStorageInfo(folder).rootPath() == QDir(folder).absolutePath()) {
            QFile wav(folder + "/R001.WAV");
            return wav.open(QIODevice::WriteOnly) &&
                   wav.write(WavBytes(7, 8000, RecordingBytes)) > 0; // u-Law, 1000 s
        }
        QThread::msleep(50);
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr)) {
        std::printf("cards_stall_ms=skipped\n");
        return 0;
    }
    // The cards made here, not the ones this machine's disk service knows.
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/plimo-bench-bus");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QList<CardVolume> cards;
    QProcess daemons[Cards];
    for (int i = 0; i < Cards; ++i) {
        const QString folder = dir.filePath(QStringLiteral("card%1").arg(i));
        if (!MountCard(dir.filePath(QStringLiteral("card%1.img").arg(i)), folder, &daemons[i])) {
            std::printf("cards_stall_ms=skipped\n");
            return 0;
        }
        cards << CardVolume{folder, QStringLiteral("REC%1").arg(i), 64 << 20, 56 << 20, false};
    }
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath(QStringLiteral("data"))));
    auto* window = new PlimoAppWindow;
    auto* picker = window->editor()->findChild<CardPicker*>();
    picker->mayHoldCards = [] { return true; };
    picker->findCards = [cards] { return cards; };
    window->show();
    CardsView* view = window->cards();
    view->show();
    while (view->Rows()->topLevelItemCount() < Cards)
        QTest::qWait(20);
    const QString archive = dir.filePath(QStringLiteral("archive"));
    ChooseCollectArchive = [archive](QWidget*) { return archive; };
    view->TickAll(true);

    StallWatch stalls;
    stalls.Start();
    QSignalSpy done(view, &CardsView::actionDone);
    for (CardsView::Action action :
         {CardsView::Action::Write, CardsView::Action::Verify, CardsView::Action::Collect}) {
        done.clear();
        view->Run(action);
        if (done.isEmpty() && !done.wait(120000)) {
            std::fprintf(stderr, "Cards did not end\n");
            return 1;
        }
        std::fprintf(stderr, "%s\n", qPrintable(done.at(0).at(0).toString()));
    }
    const qint64 all = stalls.ElapsedMs();
    delete window;
    for (int i = 0; i < Cards; ++i) {
        QProcess::execute("fusermount",
                          {"-u", "-z", dir.filePath(QStringLiteral("card%1").arg(i))});
        daemons[i].waitForFinished(5000);
    }
    std::printf("cards_stall_ms=%.1f cards_ms=%lld\n", stalls.LongestMs(), all);
    return 0;
}
