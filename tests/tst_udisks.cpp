// Cards as the desktop's disk service (UDisks2) knows them: a stand-in service on a
// private bus serves a FAT card in a USB reader, a card in an SD slot, a busy card, an
// NTFS USB disk, the system's ext4 root and an EFI partition on a USB stick; the card
// mounts are tmpfs mounts made here.
#include "app/plimoappwindow.h"
#include "card/udisks.h"
#include "editor/cardpicker.h"
#include "editor/configeditwindow.h"
#include "formfixture.h"
#include "testsupport.h"
#include "udisksstandin.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest>

namespace
{

const QString Blocks = QStringLiteral("/org/freedesktop/UDisks2/block_devices/");
const QString Drives = QStringLiteral("/org/freedesktop/UDisks2/drives/");

QJsonObject Block(const char* type, const char* label, const char* drive, const QString& mount)
{
    QJsonObject block{{"IdType", type}, {"IdLabel", label}, {"Drive", drive}};
    if (!mount.isEmpty())
        block[QStringLiteral("MountPoints")] = QJsonArray{mount};
    return block;
}

// How long the window may take to show what the stand-in, which answers at once, said.
constexpr int Patience = 5000;

} // namespace

// Waits until condition holds, at most ms, and fails at once then, naming what is there
// (QTRY_ waits twice as long again after a failure, to tell whether more time would help).
#define WAIT_FOR(condition, ms, shown)                                                             \
    QVERIFY2(QTest::qWaitFor([&] { return bool(condition); }, ms), qPrintable(shown))

class UDisksTest : public QObject
{
    Q_OBJECT

    UDisksStandIn Disks;
    QTemporaryDir Dir;
    QStringList Mounted;

    bool failed = false; // a case failed: the service and the mounts may be in any state

    QString Mount(const char* name) const { return Dir.filePath(QLatin1String(name)); }

    QJsonObject Layout(bool hang = false) const
    {
        QJsonObject card = Block("vfat", "REC01", "usbreader", Mount("rec01"));
        card[QStringLiteral("IdUUID")] = QStringLiteral("1A2B-3C4D");
        QJsonObject busy = Block("vfat", "BUSY", "usbreader2", Mount("busy"));
        busy[QStringLiteral("Busy")] = true;
        QJsonObject root = Block("ext4", "", "sata", QStringLiteral("/"));
        root[QStringLiteral("HintSystem")] = true;
        // FAT on a USB stick, but the system's: no card.
        QJsonObject efi = Block("vfat", "EFI", "usbdisk", Mount("efi"));
        efi[QStringLiteral("HintSystem")] = true;
        const QJsonObject usbReader{
            {"MediaRemovable", true}, {"ConnectionBus", "usb"}, {"CanPowerOff", true}};
        return QJsonObject{
            {"hang", hang},
            {"drives",
             QJsonObject{{"usbreader", usbReader},
                         {"usbreader2", usbReader},
                         {"sdslot", QJsonObject{{"ConnectionBus", "sdio"}, {"Ejectable", false}}},
                         {"ejector", QJsonObject{{"MediaRemovable", true},
                                                 {"ConnectionBus", "usb"},
                                                 {"Ejectable", true}}},
                         {"usbdisk", QJsonObject{{"ConnectionBus", "usb"}, {"CanPowerOff", true}}},
                         {"sata", QJsonObject{{"ConnectionBus", ""}}}}},
            {"blocks", QJsonObject{{"sdb1", card},
                                   {"mmcblk0p1", Block("vfat", "REC02", "sdslot", Mount("rec02"))},
                                   {"sdh1", Block("vfat", "REC03", "ejector", Mount("rec03"))},
                                   {"sdc1", busy},
                                   {"sdd1", Block("ntfs", "BACKUP", "usbdisk", Mount("backup"))},
                                   {"sde1", Block("vfat", "UNMOUNTED", "usbreader", QString())},
                                   {"sda2", root},
                                   {"sdg1", efi}}},
            {"later", QJsonObject{{"sdf1", Block("exfat", "LATE", "usbreader", Mount("late"))}}},
        };
    }

    void Serve(bool hang = false)
    {
        QVERIFY2(Disks.StartService(Layout(hang)), qPrintable(Disks.Error));
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(Disks.StartBus(), qPrintable(Disks.Error));
        // libdbus takes the system bus from here: the program asks the stand-in.
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", Disks.Address.toUtf8());
        for (const char* name : {"rec01", "rec02", "rec03", "busy", "backup", "late", "efi"}) {
            QVERIFY(QDir().mkpath(Mount(name)));
            if (QProcess::execute(QStringLiteral("mount"),
                                  {"-t", "tmpfs", "-o", "size=8m", "plimocard", Mount(name)}) != 0)
                QSKIP("cannot mount a tmpfs here");
            Mounted << Mount(name);
        }
        QVERIFY(WriteAll(Mount("rec01") + QStringLiteral("/config.ini"), "Loop=20\r\n"));
    }

    void cleanupTestCase()
    {
        Disks.Stop();
        for (const QString& mount : Mounted)
            QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), mount});
    }

    // After a failure the test ends at once: the cases after it would only wait out their
    // own time on a service left in a state they do not expect.
    void init()
    {
        if (failed)
            QSKIP("an earlier case failed");
    }

    void cleanup()
    {
        failed = failed || QTest::currentTestFailed();
        Disks.StopService();
    }

    void cardRule_data()
    {
        QTest::addColumn<QString>("fileSystem");
        QTest::addColumn<bool>("mounted");
        QTest::addColumn<QString>("bus");
        QTest::addColumn<bool>("removable");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<bool>("card");
        QTest::newRow("vfat, USB reader") << "vfat" << true << "usb" << false << "" << true;
        QTest::newRow("exfat, SD slot") << "exfat" << true << "sdio" << false << "" << true;
        QTest::newRow("vfat, removable medium") << "vfat" << true << "" << true << "" << true;
        QTest::newRow("not mounted") << "vfat" << false << "usb" << true << "" << false;
        QTest::newRow("NTFS USB disk") << "ntfs" << true << "usb" << true << "" << false;
        QTest::newRow("ext4 root") << "ext4" << true << "" << false << "system" << false;
        QTest::newRow("fixed FAT disk") << "vfat" << true << "ata" << false << "" << false;
        QTest::newRow("EFI on a USB stick") << "vfat" << true << "usb" << true << "system" << false;
        QTest::newRow("hidden") << "vfat" << true << "usb" << true << "ignore" << false;
        QTest::newRow("eMMC the system keeps")
            << "vfat" << true << "sdio" << false << "system" << false;
        QTest::newRow("eMMC holding the root")
            << "vfat" << true << "sdio" << false << "root" << false;
    }
    void cardRule()
    {
        QFETCH(QString, fileSystem);
        QFETCH(bool, mounted);
        QFETCH(QString, bus);
        QFETCH(bool, removable);
        QFETCH(QString, hint);
        DiskVolume volume;
        volume.fileSystem = fileSystem;
        volume.mountPoints = !mounted                        ? QStringList()
                             : hint == QLatin1String("root") ? QStringList{"/"}
                                                             : QStringList{"/media/u/REC"};
        volume.driveObject = Drives + QStringLiteral("reader");
        volume.drive.connectionBus = bus;
        volume.drive.mediaRemovable = removable;
        volume.hintSystem = hint == QLatin1String("system");
        volume.hintIgnore = hint == QLatin1String("ignore");
        QTEST(IsCardDisk(volume), "card");
    }

    // Where the service does not answer, today's finder lists the cards, and nothing is
    // said about it.
    void fallback_data()
    {
        QTest::addColumn<QString>("bus");
        QTest::addColumn<bool>("service");
        QTest::addColumn<bool>("hang");
        QTest::newRow("no bus") << "unix:path=/nonexistent/bus" << false << false;
        QTest::newRow("no disk service") << "" << false << false;
        QTest::newRow("service never answers") << "" << true << true;
    }
    void fallback()
    {
        QFETCH(QString, bus);
        QFETCH(bool, service);
        QFETCH(bool, hang);
        if (service)
            Serve(hang);
        UseFormPreferences(QString());
        ConfigEditWindow form(nullptr, "config edit");
        auto* picker = form.findChild<CardPicker*>();
        QStringList said;
        picker->showResult = [&said](const QString& text) { said << text; };
        picker->mayHoldCards = [] { return true; };
        picker->findCards = [] {
            return QList<CardVolume>{{QStringLiteral("/media/u/OLD"), QStringLiteral("OLD"),
                                      8000000000, 1000000000, false}};
        };
        if (!bus.isEmpty())
            picker->SetDisks(new UDisksClient(
                QDBusConnection::connectToBus(bus, QStringLiteral("no bus")), nullptr));
        picker->Refresh();
        if (hang) // the question is out; the window goes on without its answer
            QCOMPARE(picker->Disks()->Status(), UDisksClient::State::Asking);
        WAIT_FOR(picker->Disks()->Status() == UDisksClient::State::Unavailable,
                 UDisksClient::AskTimeout + 3000, "the service is still asked");
        picker->Refresh();
        WAIT_FOR(picker->count() == 2, Patience, QString::number(picker->count()) + " items");
        QCOMPARE(picker->itemText(1), QStringLiteral("OLD  8.0 GB, 1.00 GB free"));
        QVERIFY(!picker->EjectButton()->isEnabled());
        QCOMPARE(said, QStringList());
    }

    // Only the cards: not the NTFS disk, the root, or a card that is not mounted; a card
    // put in shows when the service reports it.
    void pickerListsCards()
    {
        Serve();
        UseFormPreferences(QString());
        ConfigEditWindow form(nullptr, "config edit");
        auto* picker = form.findChild<CardPicker*>();
        // No card's file system in the mount table: no card, and the bus is left alone.
        bool cardMounted = false;
        picker->mayHoldCards = [&cardMounted] { return cardMounted; };
        picker->findCards = [] { return QList<CardVolume>(); }; // the fallback must not answer
        picker->Refresh();
        QVERIFY(!picker->Disks());
        cardMounted = true; // the stand-in's cards are folders
        picker->Refresh();
        WAIT_FOR(picker->count() == 5, Patience, QString::number(picker->count()) + " items");
        QStringList items;
        for (int i = 1; i < picker->count(); ++i)
            items << picker->itemText(i);
        items.sort();
        QCOMPARE(items, (QStringList{
                            "BUSY  0.0 GB, 0.01 GB free", "REC01  0.0 GB, 0.01 GB free, config.ini",
                            "REC02  0.0 GB, 0.01 GB free", "REC03  0.0 GB, 0.01 GB free"}));
        Disks.Plug();
        WAIT_FOR(picker->count() == 6, Patience, QString::number(picker->count()) + " items");
    }

    // The card of a folder: the file system mounted at the folder's volume root.
    void cardOfFolder_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("serial");
        QTest::newRow("card root") << "rec01"
                                   << "REC01"
                                   << "1A2B-3C4D";
        QTest::newRow("folder on the card") << "rec01/sub"
                                            << "REC01"
                                            << "1A2B-3C4D";
        QTest::newRow("NTFS disk") << "backup"
                                   << ""
                                   << "";
        QTest::newRow("not a mount") << ""
                                     << ""
                                     << "";
    }
    void cardOfFolder()
    {
        QFETCH(QString, folder);
        Serve();
        const QString path = Dir.filePath(folder);
        QVERIFY(QDir().mkpath(path));
        const QList<DiskVolume> volumes = UDisksVolumes();
        const DiskVolume* card = CardDiskOfFolder(volumes, path);
        QTEST(card ? card->label : QString(), "label");
        QTEST(card ? card->serial : QString(), "serial");
    }

    // The status line's card read-out names the card the path is on.
    void readOutNamesCard()
    {
        Serve();
        UseFormPreferences(Dir.filePath(QStringLiteral("rec01/")));
        PlimoAppWindow window;
        // The stand-in's cards are folders, not mounts the mount table shows.
        window.findChild<CardPicker*>()->mayHoldCards = [] { return true; };
        window.show(); // the first questions follow the first paint
        WAIT_FOR(
            window.cardSpaceLabel()->text().startsWith(QLatin1String("Card REC01 (1A2B-3C4D): ")),
            Patience, window.cardSpaceLabel()->text());
        window.editor()->configFilePath->setText(Dir.filePath(QStringLiteral("backup/")));
        // Another volume: the card's name goes with its figure.
        WAIT_FOR(!window.cardSpaceLabel()->text().startsWith(QLatin1String("Card REC01")) &&
                     window.cardSpaceLabel()->text().contains(QLatin1String(" free, ")),
                 Patience, window.cardSpaceLabel()->text());
    }

    // Eject unmounts, then powers the drive off (or ejects the medium where it cannot),
    // and says so; a busy card is reported and its drive left alone.
    void ejectButton_data()
    {
        QTest::addColumn<QString>("card");
        QTest::addColumn<bool>("edited");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QString>("said");
        QTest::newRow("USB reader")
            << "rec01" << false
            << QStringList{"Unmount " + Blocks + "sdb1", "PowerOff " + Drives + "usbreader"}
            << "REC01 can be removed now";
        // A slot inside the computer neither powers off nor ejects: unmounted, it is done.
        QTest::newRow("SD slot") << "rec02" << false
                                 << QStringList{"Unmount " + Blocks + "mmcblk0p1"}
                                 << "REC02 is unmounted; take the card out";
        QTest::newRow("ejecting reader")
            << "rec03" << false
            << QStringList{"Unmount " + Blocks + "sdh1", "Eject " + Drives + "ejector"}
            << "REC03 can be removed now";
        QTest::newRow("busy") << "busy" << false << QStringList{"Unmount " + Blocks + "sdc1"}
                              << "BUSY cannot be removed: Error unmounting /dev/sdc1: target is "
                                 "busy";
        QTest::newRow("unsaved edits kept") << "rec01" << true << QStringList() << "";
    }
    void ejectButton()
    {
        QFETCH(QString, card);
        QFETCH(bool, edited);
        QFETCH(QString, said);
        Serve();
        UseFormPreferences(QString());
        ConfigEditWindow form(nullptr, "config edit");
        auto* picker = form.findChild<CardPicker*>();
        QString lastSaid;
        picker->showResult = [&lastSaid](const QString& text) { lastSaid = text; };
        form.askUnsaved = [](const QString&) { return ConfigEditWindow::UnsavedAnswer::Cancel; };
        picker->mayHoldCards = [] { return true; };
        QPushButton* eject = picker->EjectButton();
        form.configFilePath->setText(Dir.filePath(QStringLiteral("backup/")));
        picker->Refresh();
        WAIT_FOR(picker->Disks()->Status() == UDisksClient::State::Ready, Patience,
                 "the service did not answer");
        QVERIFY(!eject->isEnabled()); // the NTFS disk is no card
        form.configFilePath->setText(Dir.filePath(card) + QLatin1Char('/'));
        QVERIFY(eject->isEnabled());
        if (edited)
            form.loopSize->setValue(form.loopSize->value() + 20);
        eject->click();
        if (!said.isEmpty())
            WAIT_FOR(lastSaid == said, Patience, "said: " + lastSaid);
        QTest::qWait(100);
        QTEST(Disks.Calls(), "calls");
        if (!said.isEmpty() && !said.contains(QLatin1String("cannot"))) // gone from the picker
            WAIT_FOR(!eject->isEnabled(), Patience, "the card is still offered");
    }

    // A card pulled while the window is open: said at once, and Save asks before writing
    // onto the computer's disk what is left of the path; a "no" writes nothing.
    void pulledCard()
    {
        Serve();
        UseFormPreferences(QString());
        ConfigEditWindow form(nullptr, "config edit");
        auto* picker = form.findChild<CardPicker*>();
        QString lastSaid;
        picker->showResult = [&lastSaid](const QString& text) { lastSaid = text; };
        picker->mayHoldCards = [] { return true; };
        form.configFilePath->setText(Dir.filePath(QStringLiteral("rec02/")));
        picker->Refresh();
        WAIT_FOR(picker->EjectButton()->isEnabled(), Patience, "the card is not offered");
        QDBusMessage pull =
            QDBusMessage::createMethodCall("org.freedesktop.UDisks2", Blocks + "mmcblk0p1",
                                           "org.freedesktop.UDisks2.Filesystem", "Unmount");
        pull << QVariantMap();
        QVERIFY(QDBusConnection::systemBus().call(pull, QDBus::Block, Patience).type() ==
                QDBusMessage::ReplyMessage);
        WAIT_FOR(lastSaid == "REC02 was removed; the path now points at the computer's disk",
                 Patience, "said: " + lastSaid);
        QString asked;
        form.confirmSaveTarget = [&asked](const QString& question) {
            asked = question;
            return false;
        };
        QMetaObject::invokeMethod(&form, "SaveCurrent");
        QVERIFY2(asked.startsWith(QLatin1String("REC02 was removed")), qPrintable(asked));
        QVERIFY(!QFile::exists(Dir.filePath(QStringLiteral("rec02/config.ini"))));
    }

    // --write ... --eject: each card written and verified comes out, one line each; a card
    // whose write failed stays in; a card that cannot be ejected is exit 2. The record of
    // the writes names each card by the label and serial UDisks2 gives.
    void ejectCommand_data()
    {
        QTest::addColumn<QStringList>("cards");
        QTest::addColumn<bool>("service");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QString>("recorded");
        QTest::newRow("written and ejected")
            << QStringList{"rec01"} << true << 0 << QStringList{"EJECTED %rec01/ REC01"}
            << QStringList{"Unmount " + Blocks + "sdb1", "PowerOff " + Drives + "usbreader"}
            << "rec01/,REC01,1A2B-3C4D,";
        QTest::newRow("SD slot inside the computer: unmounted only")
            << QStringList{"rec02"} << true << 0
            << QStringList{"EJECTED %rec02/ REC02: unmounted; take the card out"}
            << QStringList{"Unmount " + Blocks + "mmcblk0p1"} << "rec02/,REC02,";
        QTest::newRow("folder inside a card")
            << QStringList{"rec01/REC"} << true << 0
            << QStringList{"WARNING %rec01/REC/: a folder inside the card REC01 (%rec01): the "
                           "recorder reads only the card's top folder",
                           "EJECTED %rec01/REC/ REC01"}
            << QStringList{"Unmount " + Blocks + "sdb1", "PowerOff " + Drives + "usbreader"}
            << "rec01/REC/,REC01,1A2B-3C4D,";
        QTest::newRow("failed write stays in, busy card reported")
            << QStringList{"missing", "busy"} << true << 2
            << QStringList{"NOT EJECTED %busy/: Error unmounting /dev/sdc1: target is busy"}
            << QStringList{"Unmount " + Blocks + "sdc1"} << QString();
        QTest::newRow("not a card") << QStringList{"backup"} << true << 2
                                    << QStringList{"NOT EJECTED %backup/: not on a removable "
                                                   "card that UDisks2 knows"}
                                    << QStringList() << QString();
        QTest::newRow("EFI partition")
            << QStringList{"efi"} << true << 2
            << QStringList{"NOT EJECTED %efi/: not on a removable card that UDisks2 knows"}
            << QStringList() << QString();
        QTest::newRow("no disk service")
            << QStringList{"rec01"} << false << 2
            << QStringList{"NOT EJECTED %rec01/: UDisks2 does not answer"} << QStringList()
            << QString();
    }
    void ejectCommand()
    {
        QFETCH(QStringList, cards);
        QFETCH(bool, service);
        QFETCH(QStringList, lines);
        if (service)
            Serve();
        QTemporaryDir work;
        QVERIFY(WriteAll(work.filePath(QStringLiteral("preset.ini")), "Loop=40\r\n"));
        QStringList arguments{"--write",  "preset.ini", "--eject",
                              "--record", "record.csv", "--no-clock"};
        for (const QString& card : cards) {
            if (card.contains(QLatin1Char('/')))
                QVERIFY(QDir().mkpath(Dir.filePath(card)));
            arguments << "--to" << Dir.filePath(card);
        }
        QProcess run;
        QSignalSpy finished(&run, &QProcess::finished);
        run.setWorkingDirectory(work.path());
        run.start(QStringLiteral(PLIMO_BINARY), arguments);
        // The stand-in answers at once: a command still running has lost an answer.
        const bool done = finished.wait(10000);
        const QString out = QString::fromLocal8Bit(run.readAllStandardOutput());
        QVERIFY2(done, qPrintable("--eject gave no verdict within 10 s; it said:\n" + out));
        QTEST(run.exitCode(), "exitCode");
        for (QString line : lines)
            QVERIFY2(out.contains(line.replace(QLatin1Char('%'), Dir.path() + QLatin1Char('/'))),
                     qPrintable(out));
        QVERIFY2(!out.contains(QLatin1String("EJECTED " + Dir.filePath("missing").toUtf8())),
                 qPrintable(out));
        QTEST(Disks.Calls(), "calls");
        QFETCH(QString, recorded);
        QFile record(work.filePath(QStringLiteral("record.csv")));
        QVERIFY(record.open(QIODevice::ReadOnly));
        const QString rows = QString::fromUtf8(record.readAll());
        QVERIFY2(rows.contains(recorded), qPrintable(rows));
    }
};

QTEST_MAIN(UDisksTest)
#include "tst_udisks.moc"
