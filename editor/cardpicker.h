#pragma once

#include "app/cardvolumes.h"
#include "app/detachedquestion.h"

#include <QComboBox>
#include <QFile>
#include <QTimer>
#include <functional>

class ConfigEditWindow;

// The drop-down beside "find": the memory cards mounted now, with their label, size,
// free space and whether the configuration file is on them. Choosing one puts its folder
// into "config file path", which loads it as typing would; nothing is chosen for the
// user. The list is asked for on a worker thread whenever the system's mount table changes
// (a change while a question is out is asked again when it returns), so inserting or
// removing a card shows without the window waiting for a slow volume and without work
// while nothing changes. The window asks the first time once it has been painted.
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

signals:
    // A volume was mounted or unmounted.
    void mountsChanged();

private:
    void Answered(const QList<CardVolume>& cards);
    void Show(const QList<CardVolume>& cards);
    void Choose(int index);
    void FollowPath();
    void WatchMounts();

    ConfigEditWindow* Form;
    QList<CardVolume> Cards;
    bool Asking = false;
    bool Pending = false; // asked again when the running question returns
    DetachedQuestion Question;
    QTimer Poll;
    QFile MountTable;
};

// "CARD  15.9 GB, 14.2 GB free, config.ini" as the drop-down shows a card.
QString CardVolumeText(const CardVolume& card, const QString& configName);
