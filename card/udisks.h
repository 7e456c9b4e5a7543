#pragma once

// The system's disk service, UDisks2, on the system bus: which file systems are mounted
// cards, the label and serial of a card, and taking a card out safely. The one place
// that speaks D-Bus; the rules over what it tells are plain functions in cardvolumes.h.

#include "card/cardvolumes.h"

#include <QDBusConnection>
#include <QObject>
#include <functional>

class QDBusPendingCallWatcher;

// Keeps the list of file systems UDisks2 knows: asked once at start, then again whenever
// it reports a device or a mount coming or going. Every question is asynchronous and
// has a time limit, so a service that hangs never holds the window.
class UDisksClient : public QObject
{
    Q_OBJECT

public:
    enum class State {
        Asking,      // the first answer is awaited
        Ready,       // Volumes() is what the service told
        Unavailable, // no bus, no service, an error or no answer in time
    };

    // On the system bus (DBUS_SYSTEM_BUS_ADDRESS, where set, names it).
    explicit UDisksClient(QObject* parent = nullptr);
    UDisksClient(const QDBusConnection& bus, QObject* parent);

    State Status() const { return Current; }
    // Every file system, mounted or not.
    QList<DiskVolume> Volumes() const { return Known; }
    // The mounted cards (IsCardDisk).
    QList<DiskVolume> Cards() const;

    // Unmounts the card's file system, then powers its drive off where the drive can be,
    // else ejects the medium; a drive that can do neither (an SD slot inside the computer)
    // is only unmounted (EjectResult::unmountedOnly). done runs on this object's thread
    // with the outcome; the drive is left alone when the unmount fails.
    void Eject(const DiskVolume& card, const std::function<void(const EjectResult&)>& done);

    // How long one question may take, in milliseconds.
    static constexpr int AskTimeout = 5000;
    // Unmounting writes what the system still holds for the card: slow cards take long.
    static constexpr int EjectTimeout = 120000;

signals:
    // The state or the list of volumes changed.
    void changed();

private slots:
    void Ask();
    void PropertiesChanged(const QString& interface, const QVariantMap& changed,
                           const QStringList& invalidated);

private:
    void Subscribe();
    void Answered(QDBusPendingCallWatcher* call);
    void Call(const QString& object, const QString& interface, const QString& method,
              std::function<void(const QString& error)> then);

    QDBusConnection Bus;
    State Current = State::Asking;
    QList<DiskVolume> Known;
    bool Waiting = false; // a GetManagedObjects is under way
    bool Again = false;   // something changed while it was
};

// For the command line and other callers without an event loop of their own: these wait
// (at most the time limits above) for the service's answers.

// Every volume UDisks2 knows now; none when it does not answer.
QList<DiskVolume> UDisksVolumes();

// The result for a folder that cannot be ejected because no card is known there: the
// service did not answer (ready false), or it knows no removable card at the folder.
EjectResult NotEjectable(bool ready);

// Ejects the card of each folder (a card holding two of the folders once). One result per
// folder, in order.
QList<EjectResult> EjectCardsOfFolders(const QStringList& folders);
