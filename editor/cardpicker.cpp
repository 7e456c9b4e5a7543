#include "editor/cardpicker.h"

#include "app/preferences/prefcodec.h"
#include "app/preferences/preferences.h"
#include "card/cardspace.h"
#include "card/udisks.h"
#include "editor/configeditwindow.h"
#include "editor/filestatus.h"
#include "recorder_files/derived.h"

#include <QBoxLayout>
#include <QDir>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QSocketNotifier>
#include <QStatusBar>

namespace
{

// The card path of a mount point: its folder with the trailing separator.
QString CardPathOf(const CardVolume& card)
{
    return QDir::toNativeSeparators(WithTrailingSeparator(card.rootPath));
}

} // namespace

QString CardVolumeText(const CardVolume& card, const QString& configName)
{
    // The free space in the words and figures of the card read-out and the day strip.
    QString text =
        CardPicker::tr("%1  %2 GB, %3 free")
            .arg(card.label, LocaleGigabytes(card.bytesTotal, 1), FreeSpaceText(card.bytesFree));
    if (card.hasConfig)
        text += QStringLiteral(", ") + configName;
    return text;
}

CardPicker::CardPicker(ConfigEditWindow* form) : QComboBox(form), Form(form), Question(this)
{
    setObjectName(QStringLiteral("card picker"));
    setToolTip(tr("Memory cards mounted now; choose one to load its config file"));
    setAccessibleName(tr("Memory cards"));
    findCards = [] { return FindCardVolumes(PrefText(Preferences.CFGname)); };
    Show({});
    connect(this, &QComboBox::activated, this, &CardPicker::Choose);
    connect(Form->configFilePath, &QLineEdit::textChanged, this, &CardPicker::FollowPath);
    BuildEjectButton();
    WatchMounts();
}

void CardPicker::BuildEjectButton()
{
    Eject = new QPushButton(tr("Eject"), Form);
    Eject->setObjectName(QStringLiteral("eject"));
    Eject->setToolTip(
        tr("Unmount the card of the config file path and power it off, to take it out safely"));
    // Disabled until the disk service names the card of the path: the first paint shows
    // what the window settles on, not an Eject that turns grey a moment later.
    Eject->setEnabled(false);
    connect(Eject, &QPushButton::clicked, this, &CardPicker::EjectCard);
    connect(Form->configFilePath, &QLineEdit::textChanged, this, &CardPicker::FollowCard);
    showResult = [this](const QString& text) {
        if (auto* main = qobject_cast<QMainWindow*>(window()))
            main->statusBar()->showMessage(text);
    };
}

void CardPicker::SetDisks(UDisksClient* disks)
{
    delete DiskService;
    DiskService = disks;
    disks->setParent(this);
    connect(disks, &UDisksClient::changed, this, &CardPicker::Refresh);
    connect(disks, &UDisksClient::changed, this, &CardPicker::FollowCard);
    FollowCard();
}

DiskVolume CardPicker::CardOfPath() const
{
    // The card path is a prefix: its files lie in the folder up to the last separator.
    return CardOfFolder(CardFolder(Form->configFilePath->text()));
}

DiskVolume CardPicker::CardOfFolder(const QString& folder) const
{
    // Only mount points are compared, so no volume is asked on the window's thread.
    if (!DiskService)
        return {};
    const QList<DiskVolume> cards = DiskService->Cards();
    QStringList mountPoints;
    for (const DiskVolume& card : cards)
        mountPoints << card.mountPoints;
    const DiskVolume* card = CardDiskAt(cards, MountRootOf(folder, mountPoints));
    return card ? *card : DiskVolume();
}

const QList<DiskVolume>* CardPicker::KnownDisks() const
{
    if (!DiskService || DiskService->Status() != UDisksClient::State::Ready)
        return nullptr;
    Known = DiskService->Volumes();
    return &Known;
}

void CardPicker::FollowCard()
{
    const DiskVolume card = CardOfPath();
    const QString folder = CardFolder(Form->configFilePath->text());
    if (folder != FollowedFolder || !card.object.isEmpty()) {
        Removed.clear();
    } else if (!FollowedCard.isEmpty() && !Ejecting && FollowedCard == EjectedCard) {
        EjectedCard.clear(); // gone because Eject was asked: nothing to warn of
    } else if (!FollowedCard.isEmpty() && !Ejecting) {
        // The card went while the path stayed: Save would write onto what is left.
        Removed = FollowedCard;
        showResult(tr("%1 was removed; the path now points at the computer's disk").arg(Removed));
    }
    FollowedFolder = folder;
    FollowedCard = card.object.isEmpty() ? QString() : CardName(card);
    Eject->setEnabled(!Ejecting && !card.object.isEmpty());
    emit cardOfPathChanged(CardFolder(Form->configFilePath->text()),
                           CardIdentityText(card.label, card.serial));
}

void CardPicker::EjectCard()
{
    const DiskVolume card = CardOfPath();
    if (Ejecting || card.object.isEmpty() || !Form->MayReplaceEdits())
        return;
    Ejecting = true;
    FollowCard();
    showResult(tr("Ejecting %1 ...").arg(CardName(card)));
    DiskService->Eject(card, [this](const EjectResult& result) { Ejected(result); });
}

void CardPicker::Ejected(const EjectResult& result)
{
    Ejecting = false;
    if (result.ok)
        EjectedCard = result.card;
    FollowCard();
    showResult(!result.ok ? tr("%1 cannot be removed: %2").arg(result.card, result.error)
               : result.unmountedOnly ? tr("%1 is unmounted; take the card out").arg(result.card)
                                      : tr("%1 can be removed now").arg(result.card));
}

void CardPicker::WatchMounts()
{
    // Linux marks its mount table exceptional (POLLPRI) whenever a volume is mounted or
    // unmounted: no need to ask the volumes while nothing changes. Elsewhere a poll.
    MountTable.setFileName(QStringLiteral("/proc/self/mounts"));
    const bool watched = MountTable.open(QIODevice::ReadOnly);
    mayHoldCards = [this] {
        return !MountTable.isOpen() ||
               (MountTable.seek(0) && MountTableMayHoldCards(MountTable.readAll()));
    };
    if (watched) {
        auto* notifier = new QSocketNotifier(MountTable.handle(), QSocketNotifier::Exception, this);
        connect(notifier, &QSocketNotifier::activated, this, &CardPicker::mountsChanged);
        connect(this, &CardPicker::mountsChanged, this, &CardPicker::Refresh);
        return;
    }
    Poll.setInterval(2000);
    connect(&Poll, &QTimer::timeout, this, &CardPicker::Refresh);
    Poll.start();
}

CardPicker* CardPicker::Attach(ConfigEditWindow* form)
{
    auto* find = form->findChild<QPushButton*>(QStringLiteral("find"));
    auto* row = find ? qobject_cast<QBoxLayout*>(find->parentWidget()->layout()) : nullptr;
    auto* picker = new CardPicker(form);
    if (row) {
        picker->setParent(find->parentWidget());
        row->insertWidget(row->indexOf(find) + 1, picker);
        picker->Eject->setParent(find->parentWidget());
        row->insertWidget(row->indexOf(picker) + 1, picker->Eject);
        QWidget::setTabOrder(find, picker);
        QWidget::setTabOrder(picker, picker->Eject);
    }
    return picker;
}

void CardPicker::Refresh()
{
    if (Asking) {
        Pending = true; // the answer on its way may be from before this change
        return;
    }
    if (!DiskService) {
        // The disk service's cards are mounted, so in the mount table too: while it holds no
        // card's file system there is nothing to ask, and the bus is not even connected.
        if (!mayHoldCards()) {
            FollowCard(); // no card at the path, as the service would tell
            Answered({});
            return;
        }
        SetDisks(new UDisksClient(this));
    }
    if (DiskService->Status() == UDisksClient::State::Asking)
        return; // the disk service's answer, or its time limit, asks again
    std::function<QList<CardVolume>()> find = findCards;
    if (DiskService->Status() == UDisksClient::State::Ready) {
        const QList<DiskVolume> cards = DiskService->Cards();
        if (cards.isEmpty()) {
            Answered({});
            return;
        }
        find = [cards, configName = PrefText(Preferences.CFGname)] {
            return CardVolumesOf(cards, configName);
        };
    } else if (!mayHoldCards()) {
        Answered({}); // no thread, no volume asked: the usual case without a card
        return;
    }
    Asking = true;
    Question.Ask<QList<CardVolume>>(find, [this](const QList<CardVolume>& cards) {
        Asking = false;
        Answered(cards);
        if (Pending) {
            Pending = false;
            Refresh();
        }
    });
}

void CardPicker::Answered(const QList<CardVolume>& cards)
{
    const auto same = [](const CardVolume& a, const CardVolume& b) {
        return a.rootPath == b.rootPath && a.label == b.label && a.hasConfig == b.hasConfig &&
               a.bytesTotal == b.bytesTotal && a.bytesFree / 100000000 == b.bytesFree / 100000000;
    };
    if (cards.size() == Cards.size() && std::equal(cards.begin(), cards.end(), Cards.begin(), same))
        return;
    Show(cards);
}

void CardPicker::Show(const QList<CardVolume>& cards)
{
    // The picker widens to its longest card. Until the first card it holds one line, measured
    // when the window is first shown: following its contents only from then on spares the
    // start-up the list the combo box builds for that setting (half a MiB).
    if (!cards.isEmpty())
        setSizeAdjustPolicy(QComboBox::AdjustToContents);
    Cards = cards;
    clear();
    addItem(cards.isEmpty() ? tr("no card found") : tr("choose a card (%1)").arg(cards.size()));
    const QString configName = PrefText(Preferences.CFGname);
    for (const CardVolume& card : cards)
        addItem(CardVolumeText(card, configName), card.rootPath);
    FollowPath();
    emit cardsShown();
}

void CardPicker::Choose(int index)
{
    if (index < 1 || index > Cards.size())
        return;
    // Setting the text runs ChangePath, which loads the card's file as typing would.
    Form->configFilePath->setText(CardPathOf(Cards[index - 1]));
}

void CardPicker::FollowPath()
{
    // Shows which card the path names; setting the index emits no activated().
    const QString path = Form->configFilePath->text();
    int shown = 0;
    for (int i = 0; i < Cards.size(); ++i) {
        if (path == CardPathOf(Cards[i]))
            shown = i + 1;
    }
    setCurrentIndex(shown);
}
