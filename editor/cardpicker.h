#pragma once

#include "card/cardvolumes.h"
#include "card/detachedquestion.h"

#include <QComboBox>
#include <QFile>
#include <QTimer>
#include <functional>

class ConfigEditWindow;
class QPushButton;
class UDisksClient;

// The drop-down beside "find": the memory cards mounted now, with their label, size,
// free space and whether the configuration file is on them. Choosing one puts its folder
// into "config file path", which loads it as typing would; nothing is chosen for the
// user. Which volumes are cards the desktop's disk service (UDisks2) says, as it reports
// them; where it does not answer, the system's mount table is read instead, whenever it
// changes. Sizes are asked on a worker thread (a change while a question is out is asked
// again when it returns), so inserting or removing a card shows without the window
// waiting for a slow volume. The window asks the first time once it has been painted.
// Beside it, "Eject" unmounts the card the path is on and powers it off.
class CardPicker : public QComboBox
{
    Q_OBJECT

public:
    explicit CardPicker(ConfigEditWindow* form);

    // Creates the picker and puts it right after the form's "find" button.
    static CardPicker* Attach(ConfigEditWindow* form);

    // The card finder (tests replace it); runs on a thread nobody waits for.
    std::function<QList<CardVolume>()> findCards;
    // Whether any card can be mounted at all, asked on the GUI thread before the finder
    // (the system's mount table never waits for a volume); tests replace it.
    std::function<bool()> mayHoldCards;
    // Asks again now (also done when a volume is mounted or unmounted).
    void Refresh();

    // The disk service the picker asks, from the first Refresh that finds a card's file
    // system in the mount table on (tests give another bus).
    UDisksClient* Disks() const { return DiskService; }
    void SetDisks(UDisksClient* disks);
    // The "Eject" button beside the picker.
    QPushButton* EjectButton() const { return Eject; }
    // Where the outcome of an ejection is said: the window's status line (tests replace
    // it).
    std::function<void(const QString&)> showResult;
    // Takes the card of the card path out safely: asks first when the form has edits.
    void EjectCard();
    // The card the card path is on, as the disk service knows it; no object when none.
    DiskVolume CardOfPath() const;
    // The same for a folder.
    DiskVolume CardOfFolder(const QString& folder) const;
    // A card being taken out on purpose elsewhere (Cards' Eject): its going is no surprise
    // (empty: none, the ejection failed).
    void ExpectGone(const QString& card) { EjectedCard = card; }
    // The name of the card the card path was on until it went away while the path stayed
    // (pulled, or unmounted by another program); empty while the path is on a card, or has
    // changed since.
    QString RemovedCard() const { return Removed; }
    // What the disk service told of the volumes; null before it answered.
    const QList<DiskVolume>* KnownDisks() const;
    // The cards the drop-down lists now.
    const QList<CardVolume>& Volumes() const { return Cards; }

signals:
    // The drop-down lists other cards, or other figures of them (Volumes()).
    void cardsShown();
    // A volume was mounted or unmounted.
    void mountsChanged();
    // The card path's folder is now on this card ("REC01 (1A2B-3C4D)"), or on none
    // (empty).
    void cardOfPathChanged(const QString& folder, const QString& card);

private:
    void Answered(const QList<CardVolume>& cards);
    void Show(const QList<CardVolume>& cards);
    void Choose(int index);
    void FollowPath();
    void WatchMounts();
    void BuildEjectButton();
    // Enables Eject when the card path is on a card, and tells which card it is.
    void FollowCard();
    void Ejected(const EjectResult& result);

    ConfigEditWindow* Form;
    QList<CardVolume> Cards;
    bool Asking = false;
    bool Pending = false; // asked again when the running question returns
    DetachedQuestion Question;
    QTimer Poll;
    QFile MountTable;
    UDisksClient* DiskService = nullptr;
    QPushButton* Eject = nullptr;
    bool Ejecting = false;
    QString FollowedFolder;          // the card path's folder when FollowCard last looked
    QString FollowedCard;            // the card it was on then, empty when none
    QString Removed;                 // see RemovedCard
    QString EjectedCard;             // the card Eject took out, until FollowCard sees it gone
    mutable QList<DiskVolume> Known; // a copy for KnownDisks
};

// "CARD  15.9 GB, 14.2 GB free, config.ini" as the drop-down shows a card.
QString CardVolumeText(const CardVolume& card, const QString& configName);
