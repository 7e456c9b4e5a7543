// The card picker: which mounted volumes are cards, and choosing one.
#include "card/cardvolumes.h"
#include "editor/cardpicker.h"
#include "editor/configeditwindow.h"
#include "formfixture.h"
#include "testsupport.h"

#include <QAbstractItemView>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QScopeGuard>
#include <QSpinBox>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QtTest>
#include <atomic>
#include <memory>

namespace
{

// A FAT image of 1 MB made and mounted through FUSE at dir/card; empty when that cannot
// be done here.
QString MountFatCard(const QTemporaryDir& dir)
{
    const QString image = dir.filePath(QStringLiteral("card.img"));
    const QString mount = dir.filePath(QStringLiteral("card"));
    if (!QDir().mkpath(mount) ||
        QProcess::execute(QStringLiteral("mkfs.vfat"), {"-C", image, "1024"}) != 0 ||
        QProcess::execute(QStringLiteral("fusefat"), {"-o", "rw+", image, mount}) != 0)
        return QString();
    return mount;
}

} // namespace

class CardVolumesTest : public QObject
{
    Q_OBJECT

private slots:
    // A FAT card left mounted by a killed run would look like a card to every picker.
    void initTestCase() { OwnMountNamespace(); }

    void classify_data()
    {
        QTest::addColumn<QString>("mountPoint");
        QTest::addColumn<QByteArray>("fileSystem");
        QTest::addColumn<QByteArray>("device");
        QTest::addColumn<bool>("removable");
        QTest::addColumn<bool>("card");
        QTest::newRow("card reader")
            << "/media/u/REC" << QByteArray("vfat") << QByteArray("/dev/sdb1") << true << true;
        QTest::newRow("exFAT card") << "/run/media/u/REC" << QByteArray("exfat")
                                    << QByteArray("/dev/mmcblk0p1") << true << true;
        QTest::newRow("fixed FAT disk")
            << "/media/u/DATA" << QByteArray("vfat") << QByteArray("/dev/sda3") << false << false;
        QTest::newRow("root") << "/" << QByteArray("ext4") << QByteArray("/dev/sda2") << false
                              << false;
        QTest::newRow("FAT root") << "/" << QByteArray("vfat") << QByteArray("/dev/sdb1") << true
                                  << false;
        QTest::newRow("EFI") << "/boot/efi" << QByteArray("vfat") << QByteArray("/dev/sdb1") << true
                             << false;
        QTest::newRow("tmpfs") << "/tmp" << QByteArray("tmpfs") << QByteArray("tmpfs") << false
                               << false;
        QTest::newRow("runtime dir")
            << "/run/user/1000/x" << QByteArray("vfat") << QByteArray("/dev/sdc1") << true << false;
        QTest::newRow("nfs") << "/mnt/share" << QByteArray("nfs4") << QByteArray("server:/export")
                             << false << false;
        QTest::newRow("cifs") << "/mnt/smb" << QByteArray("cifs") << QByteArray("//server/rec")
                              << false << false;
        QTest::newRow("loop image")
            << "/mnt/img" << QByteArray("vfat") << QByteArray("/dev/loop0") << true << false;
        QTest::newRow("snap") << "/snap/core/1" << QByteArray("squashfs")
                              << QByteArray("/dev/loop1") << false << false;
    }
    void classify()
    {
        QFETCH(QString, mountPoint);
        QFETCH(QByteArray, fileSystem);
        QFETCH(QByteArray, device);
        QFETCH(bool, removable);
        QFETCH(bool, card);
        QCOMPARE(IsCardVolume({mountPoint, fileSystem, device, removable}), card);
    }

    void disk_data()
    {
        QTest::addColumn<QByteArray>("device");
        QTest::addColumn<QString>("disk");
        QTest::newRow("sd partition") << QByteArray("/dev/sdb1") << "sdb";
        QTest::newRow("whole sd") << QByteArray("/dev/sdc") << "sdc";
        QTest::newRow("SD slot") << QByteArray("/dev/mmcblk0p1") << "mmcblk0";
        QTest::newRow("nvme") << QByteArray("/dev/nvme0n1p2") << "nvme0n1";
        QTest::newRow("network") << QByteArray("server:/export") << "";
        QTest::newRow("mapper") << QByteArray("/dev/mapper/root") << "";
        QTest::newRow("loop") << QByteArray("/dev/loop12") << "loop12";
        QTest::newRow("virtual") << QByteArray("/dev/xvdc2") << "xvdc";
        QTest::newRow("optical") << QByteArray("/dev/sr0") << "";
        QTest::newRow("raid") << QByteArray("/dev/md0") << "";
        QTest::newRow("partition of partition") << QByteArray("/dev/mmcblk0p1p2") << "";
        QTest::newRow("line feed") << QByteArray("/dev/sdb1\n") << "";
    }
    void disk()
    {
        QFETCH(QByteArray, device);
        QFETCH(QString, disk);
        QCOMPARE(DiskOfDevice(device), disk);
    }

    // The kernel's flag, read from a made-up /sys/block.
    void removableFlag()
    {
        QTemporaryDir sys;
        QDir(sys.path()).mkpath(QStringLiteral("sdb"));
        QDir(sys.path()).mkpath(QStringLiteral("sda"));
        QFile b(sys.path() + QStringLiteral("/sdb/removable"));
        QVERIFY(b.open(QIODevice::WriteOnly) && b.write("1\n") == 2);
        b.close();
        QFile a(sys.path() + QStringLiteral("/sda/removable"));
        QVERIFY(a.open(QIODevice::WriteOnly) && a.write("0\n") == 2);
        a.close();
        QVERIFY(DiskIsRemovable(QStringLiteral("sdb"), sys.path()));
        QVERIFY(!DiskIsRemovable(QStringLiteral("sda"), sys.path()));
        QVERIFY(DiskIsRemovable(QStringLiteral("mmcblk0"), sys.path()));
        QVERIFY(!DiskIsRemovable(QString(), sys.path()));
    }

    // Without a FAT-family file system in the mount table no volume is asked at all.
    void mountTable_data()
    {
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<bool>("mayHoldCards");
        QTest::newRow("system only") << QByteArray("/dev/sda2 / ext4 rw 0 0\n"
                                                   "tmpfs /run tmpfs rw 0 0\n")
                                     << false;
        QTest::newRow("a card") << QByteArray("/dev/sda2 / ext4 rw 0 0\n/dev/sdb1 "
                                              "/media/u/REC\\040CARD vfat rw 0 0\n")
                                << true;
        QTest::newRow("exfat, no line end")
            << QByteArray("/dev/mmcblk0p1 /mnt exfat rw 0 0") << true;
        QTest::newRow("empty") << QByteArray() << false;
    }
    void mountTable()
    {
        QFETCH(QByteArray, table);
        QTEST(MountTableMayHoldCards(table), "mayHoldCards");
    }

    // Over this machine's real mounts: never the root file system or a pseudo one.
    void mountedVolumes()
    {
        for (const CardVolume& card : FindCardVolumes(QStringLiteral("config.ini"))) {
            QVERIFY(card.rootPath != QLatin1String("/"));
            QVERIFY(QStorageInfo(card.rootPath).fileSystemType() != "tmpfs");
        }
    }

    // A FAT card in a reader is listed, and marked when the configuration file is on it.
    void fatCard_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("hasConfig");
        QTest::newRow("config.ini on it") << "config.ini" << true;
        QTest::newRow("only a clock file") << "time.ini" << false;
    }
    void fatCard()
    {
        QFETCH(QString, file);
        QTemporaryDir dir;
        const QString mount = MountFatCard(dir);
        if (mount.isEmpty())
            QSKIP("no FAT image through FUSE here");
        const auto unmount = qScopeGuard([mount] {
            QProcess::execute(QStringLiteral("fusermount"), {"-u", mount});
        });
        QFile onCard(mount + QLatin1Char('/') + file);
        QVERIFY(onCard.open(QIODevice::WriteOnly) && onCard.write("Loop=20\r\n") == 9);
        onCard.close();
        // The image is no removable disk: the kernel's flag is answered as a reader's.
        const auto reader = [](const QByteArray&) { return true; };
        const QList<CardVolume> cards =
            CardVolumesAmong({QStorageInfo(mount)}, QStringLiteral("config.ini"), reader);
        QCOMPARE(cards.size(), 1);
        QCOMPARE(cards[0].rootPath, mount);
        QCOMPARE(cards[0].label, QStringLiteral("card"));
        QVERIFY(cards[0].bytesFree > 0 && cards[0].bytesFree <= cards[0].bytesTotal);
        QTEST(cards[0].hasConfig, "hasConfig");
    }

    // Nothing is chosen for the user; choosing a card loads its file as typing would.
    void picker()
    {
        QTemporaryDir card;
        QFile config(card.path() + QStringLiteral("/config.ini"));
        QVERIFY(config.open(QIODevice::WriteOnly) && config.write("Loop=20\r\n") == 9);
        config.close();
        UseFormPreferences(QString());
        ConfigEditWindow form(nullptr, "config edit");
        auto* picker = form.findChild<CardPicker*>();
        QVERIFY(picker);
        // Before any answer, and while no card is found, it says so.
        QCOMPARE(picker->count(), 1);
        QCOMPARE(picker->itemText(0), QStringLiteral("no card found"));
        const CardVolume a{card.path(), QStringLiteral("REC"), 16000000000, 14200000000, true};
        const CardVolume b{QStringLiteral("/media/u/OTHER"), QStringLiteral("OTHER"), 8000000000, 1,
                           false};
        picker->mayHoldCards = [] { return true; };
        picker->findCards = [a, b] { return QList<CardVolume>{a, b}; };
        picker->Refresh();
        const int narrow = picker->sizeHint().width();
        QVERIFY(!picker->findChild<QAbstractItemView*>()); // no popup list built yet
        QTRY_COMPARE(picker->count(), 3);
        QCOMPARE(picker->currentIndex(), 0);
        QCOMPARE(picker->itemText(1), QStringLiteral("REC  16.0 GB, 14.20 GB free, config.ini"));
        QVERIFY(picker->sizeHint().width() > narrow); // wide enough for its cards
        QCOMPARE(form.configFilePath->text(), QString());

        picker->activated(1);
        QCOMPARE(form.configFilePath->text(), card.path() + QLatin1Char('/'));
        QCOMPARE(form.loopSize->value(), 20);
        // The card taken out: the picker lets go of it, the path stays as typed.
        picker->findCards = [b] { return QList<CardVolume>{b}; };
        picker->Refresh();
        QTRY_COMPARE(picker->count(), 2);
        QCOMPARE(picker->currentIndex(), 0);
    }

    // A card mounted (here a FAT image through FUSE) is asked for at once, not at the
    // next slow poll.
    void mountSeenAtOnce()
    {
        QTemporaryDir dir;
        const QString image = dir.filePath(QStringLiteral("card.img"));
        const QString mount = dir.filePath(QStringLiteral("card"));
        QVERIFY(QDir().mkpath(mount));
        if (QProcess::execute(QStringLiteral("mkfs.vfat"), {"-C", image, "1024"}) != 0)
            QSKIP("mkfs.vfat is not installed");
        UseFormPreferences(QString());
        ConfigEditWindow form(nullptr, "config edit");
        auto* picker = form.findChild<CardPicker*>();
        auto asked = std::make_shared<std::atomic<int>>(0);
        picker->mayHoldCards = [] { return true; }; // fusefat shows as a FUSE file system
        picker->findCards = [asked] {
            ++*asked;
            return QList<CardVolume>{};
        };
        picker->Refresh();
        QTRY_VERIFY(*asked >= 1);
        QTest::qWait(200);
        const int before = *asked;
        if (QProcess::execute(QStringLiteral("fusefat"), {"-o", "rw+", image, mount}) != 0)
            QSKIP("no FUSE here");
        // Unmounted even when the check fails: a mount left behind looks like a card to every
        // picker on the machine.
        const auto unmount = qScopeGuard([mount] {
            QProcess::execute(QStringLiteral("fusermount"), {"-u", mount});
        });
        QTRY_VERIFY_WITH_TIMEOUT(*asked > before, 1500);
    }
};

QTEST_MAIN(CardVolumesTest)
#include "tst_cardvolumes.moc"
