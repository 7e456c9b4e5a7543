#include "card/udisks.h"

#include <QDBusArgument>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QEventLoop>
#include <QFile>
#include <QHash>

namespace
{

const QString Service = QStringLiteral("org.freedesktop.UDisks2");
const QString Root = QStringLiteral("/org/freedesktop/UDisks2");
const QString ObjectManager = QStringLiteral("org.freedesktop.DBus.ObjectManager");
const QString BlockInterface = QStringLiteral("org.freedesktop.UDisks2.Block");
const QString FilesystemInterface = QStringLiteral("org.freedesktop.UDisks2.Filesystem");
const QString DriveInterface = QStringLiteral("org.freedesktop.UDisks2.Drive");

using InterfaceProperties = QMap<QString, QVariantMap>;
using ManagedObjects = QMap<QDBusObjectPath, InterfaceProperties>;

// A path the service gives as bytes ending in a NUL.
QString PathOfBytes(QByteArray bytes)
{
    if (bytes.endsWith('\0'))
        bytes.chop(1);
    return QFile::decodeName(bytes);
}

QStringList MountPointsOf(const QVariant& value)
{
    QStringList points;
    if (!value.canConvert<QDBusArgument>())
        return points;
    const QDBusArgument list = value.value<QDBusArgument>();
    list.beginArray();
    while (!list.atEnd()) {
        QByteArray point;
        list >> point;
        points << PathOfBytes(point);
    }
    list.endArray();
    return points;
}

DiskDrive DriveOf(const QVariantMap& drive)
{
    DiskDrive d;
    d.removable = drive.value(QStringLiteral("Removable")).toBool();
    d.mediaRemovable = drive.value(QStringLiteral("MediaRemovable")).toBool();
    d.connectionBus = drive.value(QStringLiteral("ConnectionBus")).toString();
    d.canPowerOff = drive.value(QStringLiteral("CanPowerOff")).toBool();
    d.ejectable = drive.value(QStringLiteral("Ejectable")).toBool();
    return d;
}

// The file systems among the service's objects, each with its drive.
QList<DiskVolume> VolumesOf(const ManagedObjects& objects)
{
    QList<DiskVolume> volumes;
    for (auto object = objects.begin(); object != objects.end(); ++object) {
        const InterfaceProperties& interfaces = object.value();
        if (!interfaces.contains(BlockInterface) || !interfaces.contains(FilesystemInterface))
            continue;
        const QVariantMap block = interfaces.value(BlockInterface);
        DiskVolume v;
        v.object = object.key().path();
        v.device = PathOfBytes(block.value(QStringLiteral("Device")).toByteArray());
        v.fileSystem = block.value(QStringLiteral("IdType")).toString();
        v.label = block.value(QStringLiteral("IdLabel")).toString();
        v.serial = block.value(QStringLiteral("IdUUID")).toString();
        v.hintSystem = block.value(QStringLiteral("HintSystem")).toBool();
        v.hintIgnore = block.value(QStringLiteral("HintIgnore")).toBool();
        v.size = block.value(QStringLiteral("Size")).toLongLong();
        v.mountPoints = MountPointsOf(
            interfaces.value(FilesystemInterface).value(QStringLiteral("MountPoints")));
        const QDBusObjectPath drive = block.value(QStringLiteral("Drive")).value<QDBusObjectPath>();
        if (drive.path() != QLatin1String("/") && objects.contains(drive)) {
            v.driveObject = drive.path();
            v.drive = DriveOf(objects.value(drive).value(DriveInterface));
        }
        volumes << v;
    }
    return volumes;
}

QString ReasonOf(const QDBusError& error)
{
    if (error.type() == QDBusError::NoReply || error.type() == QDBusError::Timeout)
        return UDisksClient::tr("UDisks2 did not answer in time");
    if (error.type() == QDBusError::ServiceUnknown || error.type() == QDBusError::Disconnected)
        return UDisksClient::tr("UDisks2 does not answer");
    return error.message().isEmpty() ? error.name() : error.message();
}

// Runs the event loop until client has its first answer; true when it is Ready.
bool WaitForAnswer(UDisksClient& client)
{
    if (client.Status() == UDisksClient::State::Asking) {
        QEventLoop loop;
        QObject::connect(&client, &UDisksClient::changed, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return client.Status() == UDisksClient::State::Ready;
}

} // namespace

UDisksClient::UDisksClient(QObject* parent) : UDisksClient(QDBusConnection::systemBus(), parent) {}

UDisksClient::UDisksClient(const QDBusConnection& bus, QObject* parent) : QObject(parent), Bus(bus)
{
    qDBusRegisterMetaType<InterfaceProperties>();
    qDBusRegisterMetaType<ManagedObjects>();
    if (!Bus.isConnected()) {
        Current = State::Unavailable; // a minimal system or a container: no bus at all
        return;
    }
    Subscribe();
    Ask();
}

void UDisksClient::Subscribe()
{
    // Devices come and go with InterfacesAdded and InterfacesRemoved; a mount or an
    // unmount changes a file system's MountPoints property.
    Bus.connect(Service, Root, ObjectManager, QStringLiteral("InterfacesAdded"), this, SLOT(Ask()));
    Bus.connect(Service, Root, ObjectManager, QStringLiteral("InterfacesRemoved"), this,
                SLOT(Ask()));
    Bus.connect(Service, QString(), QStringLiteral("org.freedesktop.DBus.Properties"),
                QStringLiteral("PropertiesChanged"), this,
                SLOT(PropertiesChanged(QString, QVariantMap, QStringList)));
    // The service started (or restarted) after us.
    auto* watcher =
        new QDBusServiceWatcher(Service, Bus, QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, this, &UDisksClient::Ask);
}

QList<DiskVolume> UDisksClient::Cards() const
{
    QList<DiskVolume> cards;
    for (const DiskVolume& volume : Known) {
        if (IsCardDisk(volume))
            cards << volume;
    }
    return cards;
}

void UDisksClient::PropertiesChanged(const QString& interface, const QVariantMap&,
                                     const QStringList&)
{
    // Jobs and drives report progress and health often: only what the list holds counts.
    if (interface == BlockInterface || interface == FilesystemInterface ||
        interface == DriveInterface)
        Ask();
}

void UDisksClient::Ask()
{
    if (Waiting) {
        Again = true;
        return;
    }
    Waiting = true;
    Again = false;
    const QDBusMessage message = QDBusMessage::createMethodCall(
        Service, Root, ObjectManager, QStringLiteral("GetManagedObjects"));
    auto* call = new QDBusPendingCallWatcher(Bus.asyncCall(message, AskTimeout), this);
    connect(call, &QDBusPendingCallWatcher::finished, this, &UDisksClient::Answered);
}

void UDisksClient::Answered(QDBusPendingCallWatcher* call)
{
    call->deleteLater();
    Waiting = false;
    const QDBusPendingReply<ManagedObjects> reply = *call;
    if (reply.isError()) {
        Current = State::Unavailable;
        Known.clear();
    } else {
        Current = State::Ready;
        Known = VolumesOf(reply.value());
    }
    emit changed();
    if (Again)
        Ask();
}

void UDisksClient::Call(const QString& object, const QString& interface, const QString& method,
                        std::function<void(const QString& error)> then)
{
    QDBusMessage message = QDBusMessage::createMethodCall(Service, object, interface, method);
    message << QVariantMap(); // no options
    auto* call = new QDBusPendingCallWatcher(Bus.asyncCall(message, EjectTimeout), this);
    connect(call, &QDBusPendingCallWatcher::finished, this,
            [then = std::move(then)](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                const QDBusPendingReply<> reply = *finished;
                then(reply.isError() ? ReasonOf(reply.error()) : QString());
            });
}

void UDisksClient::Eject(const DiskVolume& card,
                         const std::function<void(const EjectResult&)>& done)
{
    const QString name = CardName(card);
    const QString drive = card.driveObject;
    const QString stop =
        card.drive.canPowerOff ? QStringLiteral("PowerOff") : QStringLiteral("Eject");
    const bool release = DriveCanRelease(card.drive);
    Call(card.object, FilesystemInterface, QStringLiteral("Unmount"),
         [this, name, drive, stop, release, done](const QString& error) {
             if (!error.isEmpty() || !release) {
                 // An SD slot inside the computer neither powers off nor ejects: the
                 // card is safe to take out once it is unmounted.
                 done({error.isEmpty(), name, error, error.isEmpty()});
                 return;
             }
             Call(drive, DriveInterface, stop, [name, done](const QString& error) {
                 done({error.isEmpty(), name, error});
             });
         });
}

QList<DiskVolume> UDisksVolumes()
{
    UDisksClient disks;
    return WaitForAnswer(disks) ? disks.Volumes() : QList<DiskVolume>();
}

EjectResult NotEjectable(bool ready)
{
    return {false, QString(),
            ready ? UDisksClient::tr("not on a removable card that UDisks2 knows")
                  : UDisksClient::tr("UDisks2 does not answer")};
}

QList<EjectResult> EjectCardsOfFolders(const QStringList& folders)
{
    UDisksClient disks;
    const bool ready = WaitForAnswer(disks);
    const QList<DiskVolume> volumes = disks.Volumes();
    QHash<QString, EjectResult> ejected; // by the card's object path
    QList<EjectResult> results;
    for (const QString& folder : folders) {
        const DiskVolume* card = CardDiskOfFolder(volumes, folder);
        if (!ready || !card) {
            results << NotEjectable(ready);
            continue;
        }
        if (!ejected.contains(card->object)) {
            QEventLoop loop;
            disks.Eject(*card, [&](const EjectResult& result) {
                ejected.insert(card->object, result);
                loop.quit();
            });
            loop.exec();
        }
        results << ejected.value(card->object);
    }
    return results;
}
