#include "app/cardsview.h"

#include "app/collectwindow.h"
#include "app/preferences/prefcodec.h"
#include "app/preferences/preferences.h"
#include "card/udisks.h"
#include "commandline/archiveindex.h"
#include "commandline/batchcommand.h"
#include "commandline/collectcommand.h"
#include "editor/cardpicker.h"
#include "editor/configeditwindow.h"
#include "recorder_files/cardreport.h"
#include "recorder_files/cardverify.h"
#include "recorder_files/configwriter.h"
#include "recorder_files/deployment.h"
#include "recorder_files/derived.h"

#include <QBoxLayout>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>

namespace
{

// Per mille of a card's collect; Busy while a job tells no progress.
constexpr int Steps = 1000;

// What the row shows of a card besides its name, asked off the window's thread.
struct CardFacts {
    RecordingsSummary recordings;
    CardCheck check;
    bool hasConfig = false;
    int uncollected = -1; // recordings no collection in the record holds; -1 not known
};

// The settings the form holds, read back as --verify reads a preset.
PresetRead FormPreset(const ConfigEditWindow* form, const ComboItems& items)
{
    return ReadPreset(FormatConfig(form->Settings()), items);
}

// The recordings of a card a line each: how many and how long, from which day to which,
// whether a collection holds them. Each line is short: a cell's height follows its lines,
// never its width.
QString RecordingsCell(const CardFacts& facts)
{
    const RecordingsSummary& r = facts.recordings;
    if (!r.readable)
        return r.error;
    if (r.count == 0)
        return CardsView::tr("no recordings");
    QStringList lines{RecordingsText(r),
                      CardsView::tr("%1 to %2")
                          .arg(QLocale().toString(r.oldest.date(), QLocale::ShortFormat),
                               QLocale().toString(r.newest.date(), QLocale::ShortFormat))};
    if (facts.uncollected == 0)
        lines << CardsView::tr("all collected");
    else if (facts.uncollected > 0)
        lines << CardsView::tr("%1 not collected").arg(facts.uncollected);
    return lines.join(QLatin1Char('\n'));
}

// The row's recordings and how its config.ini compares with the form.
void ShowFacts(QTreeWidgetItem* item, const CardFacts& facts)
{
    const QString recordings = RecordingsCell(facts);
    item->setText(CardsView::RecordingsColumn, recordings);
    item->setToolTip(CardsView::RecordingsColumn, recordings);
    const CardCheck& c = facts.check;
    item->setText(CardsView::CompareColumn,
                  !facts.hasConfig                    ? CardsView::tr("none")
                  : c.verdict == CardVerdict::Same    ? QStringLiteral("SAME")
                  : c.verdict == CardVerdict::Differs ? CardsView::DiffersText(c.differences)
                                                      : QStringLiteral("FAILED"));
    item->setToolTip(CardsView::CompareColumn, c.text);
}

} // namespace

struct CardsView::Row {
    QString root; // the mount point
    QString label, serial;
    QTreeWidgetItem* item = nullptr;
    QProgressBar* bar = nullptr;
    std::shared_ptr<std::atomic<int>> progress = std::make_shared<std::atomic<int>>(-1);
    bool present = true;  // the picker lists the card now
    bool verdict = false; // the row holds the verdict of the last action
    bool working = false;
    bool asking = false; // its facts are being asked: no job begins on it meanwhile
    bool askAgain = false;
    QString Folder() const { return CardPathOfFolder(root); }
};

CardsView::CardsView(ConfigEditWindow* form, CardPicker* picker, QWidget* parent)
    : QDialog(parent), Form(form), Picker(picker), Workers(this)
{
    setObjectName(QStringLiteral("cards"));
    setWindowTitle(tr("Cards"));
    Table = new QTreeWidget(this);
    Table->setObjectName(QStringLiteral("card rows"));
    Table->setAccessibleName(tr("Cards in the readers"));
    Table->setRootIsDecorated(false);
    Table->setUniformRowHeights(false);
    // A row is as tall as its lines: a line longer than its cell is shortened in its
    // middle, and the cell's tip holds it whole.
    Table->setWordWrap(false);
    Table->setHeaderLabels({tr("Card"), tr("Folder"), tr("Space"), tr("Recordings"),
                            tr("config.ini"), tr("Progress")});
    Table->setSelectionMode(QAbstractItemView::NoSelection); // the ticks choose
    // The rows fit the dialog's width (no sideways scroll on a small screen): the folder
    // and the recordings take what the short columns leave; the progress bars keep a fixed
    // width.
    Table->setTextElideMode(Qt::ElideMiddle);
    QHeaderView* header = Table->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(FolderColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(RecordingsColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(ProgressColumn, QHeaderView::Fixed);
    header->resizeSection(ProgressColumn, 10 * fontMetrics().averageCharWidth());
    Table->setItemsExpandable(false);
    Summary = new QLabel(this);
    Summary->setObjectName(QStringLiteral("cards summary"));
    Summary->setAccessibleName(tr("Summary"));
    Summary->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Table);
    BuildButtons();
    layout->addWidget(Summary);
    Progress.setInterval(100);
    connect(&Progress, &QTimer::timeout, this, &CardsView::ShowProgress);
    connect(Picker, &CardPicker::cardsShown, this, &CardsView::ShowCards);
    ShowCards();
}

CardsView::~CardsView() = default;

void CardsView::BuildButtons()
{
    auto* row = new QHBoxLayout;
    const auto button = [this, row](const QString& text, const char* name, const QString& tip) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setToolTip(tip);
        b->setAutoDefault(false);
        row->addWidget(b);
        return b;
    };
    connect(button(tr("&All"), "tick all", tr("Tick every card")), &QPushButton::clicked, this,
            [this] { TickAll(true); });
    connect(button(tr("&None"), "tick none", tr("Untick every card")), &QPushButton::clicked, this,
            [this] { TickAll(false); });
    row->addSpacing(12);
    const std::pair<Action, QPushButton*> actions[] = {
        {Action::Write, button(tr("&Write the form"), "write ticked",
                               tr("Write what Save writes, the clock as Save sets it, to every "
                                  "ticked card; each card read back and recorded"))},
        {Action::Verify, button(tr("&Verify against the form"), "verify ticked",
                                tr("Compare the config.ini of every ticked card with the form, "
                                   "setting by setting; nothing is written"))},
        {Action::Collect, button(tr("&Collect..."), "collect ticked",
                                 tr("Copy the recordings and files of every ticked card, each "
                                    "copy checked, into one archive folder"))},
        {Action::Eject, button(tr("&Eject"), "eject ticked",
                               tr("Unmount every ticked card and power its reader off"))},
    };
    for (const auto& [action, b] : actions) {
        Actions << b;
        connect(b, &QPushButton::clicked, this, [this, action = action] { Run(action); });
    }
    row->addStretch();
    CancelButton = button(tr("Cancel"), "cancel cards",
                          tr("Leave the cards not begun; those under way finish"));
    connect(CancelButton, &QPushButton::clicked, this, &CardsView::Cancel);
    connect(button(tr("Close"), "close cards", QString()), &QPushButton::clicked, this,
            &QDialog::close);
    static_cast<QBoxLayout*>(layout())->addLayout(row);
    Enable();
}

void CardsView::Enable()
{
    for (QPushButton* b : Actions)
        b->setEnabled(!Busy());
    CancelButton->setEnabled(!Queue.isEmpty());
}

CardsView::Row* CardsView::RowOf(const QString& root) const
{
    for (const auto& row : RowList) {
        if (row->root == root)
            return row.get();
    }
    return nullptr;
}

void CardsView::ShowCards()
{
    const QList<CardVolume>& cards = Picker->Volumes();
    for (const auto& row : RowList)
        row->present = false;
    for (const CardVolume& card : cards) {
        Row* row = RowOf(card.rootPath);
        const bool added = !row;
        if (added)
            row = AddRow(card.rootPath);
        row->present = true;
        const DiskVolume disk = Picker->CardOfFolder(card.rootPath);
        row->label = disk.object.isEmpty() ? card.label : disk.label;
        row->serial = disk.serial;
        row->item->setText(CardColumn, CardIdentityText(row->label, row->serial));
        row->item->setText(SpaceColumn, tr("%1 GB, %2 free")
                                            .arg(LocaleGigabytes(card.bytesTotal, 1),
                                                 FreeSpaceText(card.bytesFree)));
        if (added)
            AskFacts(*row);
    }
    // A card gone stays while its verdict or its job does, greyed; the rest go.
    for (auto row = RowList.begin(); row != RowList.end();) {
        const bool keep =
            (*row)->present || (*row)->verdict || (*row)->working || Queue.contains(row->get());
        if (!keep) {
            delete (*row)->item;
            row = RowList.erase(row);
            continue;
        }
        FillRow(**row);
        ++row;
    }
}

CardsView::Row* CardsView::AddRow(const QString& root)
{
    auto row = std::make_unique<Row>();
    row->root = root;
    row->item = new QTreeWidgetItem(Table);
    row->item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    row->item->setCheckState(CardColumn, Qt::Unchecked);
    row->item->setText(FolderColumn, row->Folder());
    row->item->setToolTip(FolderColumn, row->Folder());
    row->bar = new QProgressBar;
    row->bar->setRange(0, Steps);
    row->bar->setValue(0);
    row->bar->setTextVisible(false);
    row->bar->setMaximumHeight(Table->fontMetrics().height());
    // The bar sits in a cell of its own: the view bounds a row's height by the widget's
    // maximum, and a row whose recordings take two lines needs them both.
    auto* cell = new QWidget(Table);
    auto* layout = new QVBoxLayout(cell);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(row->bar, 0, Qt::AlignVCenter);
    Table->setItemWidget(row->item, ProgressColumn, cell);
    RowList.push_back(std::move(row));
    return RowList.back().get();
}

void CardsView::FillRow(Row& row)
{
    row.item->setDisabled(!row.present);
    row.bar->setAccessibleName(tr("Progress of %1").arg(row.item->text(CardColumn)));
    if (!row.present)
        row.item->setToolTip(CardColumn, tr("No longer mounted"));
}

bool CardsView::Asking() const
{
    return std::any_of(RowList.cbegin(), RowList.cend(),
                       [](const std::unique_ptr<Row>& row) { return row->asking; });
}

void CardsView::AskFacts(Row& row)
{
    // One question at a time about a card, never while a job works on it: the figures
    // would be half old, and a card read while it is written is no test of either.
    if (row.asking || row.working) {
        row.askAgain = row.asking;
        return;
    }
    row.asking = true;
    const ComboItems items = PreferenceComboItems();
    const PresetRead form = FormPreset(Form, items);
    const QString configName = PrefText(Preferences.CFGname);
    const QString clockName = PrefText(Preferences.TimeName);
    const QString folder = row.Folder(), root = row.root;
    Workers.Ask<CardFacts>(
        [=] {
            return CardFacts{
                SummariseRecordings(folder), VerifyCard(folder, form, items, configName, clockName),
                QFileInfo(folder + configName).isFile(), UncollectedRecordings(folder)};
        },
        [this, root](const CardFacts& facts) {
            Row* row = RowOf(root);
            if (!row)
                return;
            row->asking = false;
            ShowFacts(row->item, facts);
            if (std::exchange(row->askAgain, false))
                AskFacts(*row);
            Pump(); // a job may wait for this card
        });
}

QString CardsView::DiffersText(int settings)
{
    // English has no plural forms without a translation: the one is said apart.
    return settings == 1 ? tr("DIFFERS: 1 setting") : tr("DIFFERS: %n settings", nullptr, settings);
}

void CardsView::TickAll(bool tick)
{
    for (const auto& row : RowList) {
        if (row->present)
            row->item->setCheckState(CardColumn, tick ? Qt::Checked : Qt::Unchecked);
    }
}

QList<CardsView::Row*> CardsView::Ticked() const
{
    QList<Row*> rows;
    for (const auto& row : RowList) {
        if (row->present && row->item->checkState(CardColumn) == Qt::Checked)
            rows << row.get();
    }
    return rows;
}

void CardsView::Run(Action action)
{
    if (Busy())
        return;
    for (const auto& row : RowList)
        row->verdict = false; // rows kept until this action: the cards gone go now
    ShowCards();
    const QList<Row*> rows = Ticked();
    Said.clear();
    Job job;
    if (rows.isEmpty())
        Said = tr("No card is ticked.");
    else if (action == Action::Write)
        job = WriteJob();
    else if (action == Action::Verify)
        job = VerifyJob();
    else if (action == Action::Collect)
        job = CollectJob();
    else
        job = EjectJob();
    if (!job) {
        Summary->setText(Said);
        return;
    }
    Start(action, rows, job);
}

void CardsView::Start(Action action, const QList<Row*>& rows, Job job)
{
    Doing = action;
    Current = std::move(job);
    Queue = rows;
    std::fill(std::begin(Counts), std::end(Counts), 0);
    NotBegun = 0;
    Idle = false;
    for (Row* row : rows) {
        SetVerdict(*row, tr("waiting"));
        row->bar->setRange(0, Steps);
        row->bar->setValue(0);
        row->progress->store(-1);
    }
    Summary->setText(tr("Working..."));
    Progress.start();
    Pump();
}

void CardsView::Pump()
{
    for (int next = 0; Running < AtOnce && next < Queue.size();) {
        if (Queue.at(next)->asking) {
            ++next; // begins once its facts are in
            continue;
        }
        Row* row = Queue.takeAt(next);
        ++Running;
        row->working = true;
        row->bar->setRange(0, 0); // busy until it tells how far it is
        SetVerdict(*row, tr("working"));
        QPointer<CardsView> self(this);
        const QString root = row->root;
        Current(*row, [self, root](const CardJobEnd& end) {
            // Queued: a job that ends at once does not start the next inside this loop.
            if (self)
                QMetaObject::invokeMethod(
                    self, [self, root, end] { self->Ended(self->RowOf(root), end); },
                    Qt::QueuedConnection);
        });
    }
    Enable();
    if (Running == 0 && Queue.isEmpty() && !Idle)
        Finish();
}

void CardsView::Ended(Row* row, const CardJobEnd& end)
{
    --Running;
    ++Counts[end.count];
    if (row) {
        row->working = false;
        row->verdict = true;
        row->bar->setRange(0, Steps);
        row->bar->setValue(Steps);
        QStringList shown;
        for (const QString& line : end.lines) {
            if (!line.startsWith(QLatin1Char(' '))) // the indented details: in the tip
                shown << line;
        }
        SetVerdict(*row, shown.join(QLatin1Char('\n')), end.lines.join(QLatin1Char('\n')));
        if (row->present && Doing != Action::Eject)
            AskFacts(*row);
    }
    Pump();
}

void CardsView::SetVerdict(Row& row, const QString& text, const QString& tip)
{
    if (row.item->childCount() == 0) {
        auto* line = new QTreeWidgetItem(row.item);
        line->setFlags(Qt::ItemIsEnabled);
        line->setFirstColumnSpanned(true);
        row.item->setExpanded(true);
    }
    QTreeWidgetItem* line = row.item->child(0);
    line->setText(0, text);
    line->setToolTip(0, tip);
}

void CardsView::ShowProgress()
{
    for (const auto& row : RowList) {
        const int step = row->progress->load();
        if (row->working && step >= 0) {
            row->bar->setRange(0, Steps);
            row->bar->setValue(step);
        }
    }
}

void CardsView::Cancel()
{
    for (Row* row : std::as_const(Queue)) {
        SetVerdict(*row, tr("not begun"));
        row->verdict = true;
    }
    NotBegun += int(Queue.size());
    Queue.clear();
    Pump();
}

void CardsView::Finish()
{
    Idle = true;
    Progress.stop();
    Summary->setText(SummaryText());
    Enable();
    ShowCards();
    if (Doing == Action::Write)
        Picker->Refresh(); // the cards hold the configuration file now
    emit actionDone(SummaryText());
}

QString CardsView::SummaryText() const
{
    if (!Said.isEmpty() || Idle == false)
        return Said;
    static const char* const Words[][3] = {
        {QT_TR_N_NOOP("%n written"), nullptr, QT_TR_N_NOOP("%n failed")},
        {QT_TR_N_NOOP("%n same"), QT_TR_N_NOOP("%n differing"), QT_TR_N_NOOP("%n failed")},
        {QT_TR_N_NOOP("%n collected"), nullptr, QT_TR_N_NOOP("%n failed")},
        {QT_TR_N_NOOP("%n ejected"), nullptr, QT_TR_N_NOOP("%n not ejected")},
    };
    const auto& words = Words[int(Doing)];
    QStringList parts(tr(words[0], nullptr, Counts[0]));
    for (int i = 1; i < 3; ++i) {
        if (words[i] && Counts[i] > 0)
            parts << tr(words[i], nullptr, Counts[i]);
    }
    if (NotBegun > 0)
        parts << tr("%n not begun", nullptr, NotBegun);
    return parts.join(QStringLiteral(", "));
}

CardsView::Job CardsView::WriteJob()
{
    PreparedWrite prepared;
    prepared.settings = Form->Settings();
    prepared.config = FormatConfig(prepared.settings);
    BatchOptions& o = prepared.options;
    o.configName = PrefText(Preferences.CFGname);
    o.clockName = PrefText(Preferences.TimeName);
    o.writeClock = Preferences.SetTime != 0;
    o.deleteOldClock = Preferences.DelOldTime != 0;
    // A clock set by hand is written to every card; otherwise each card gets the moment
    // of its write, as the form's clock follows the computer's.
    if (Preferences.ManualTime != 0)
        o.clock = QDateTime(Form->setDate->date(), Form->setTime->time());
    if (const QString problem = WriteOptionsProblem(o); !problem.isEmpty()) {
        Said = tr("Nothing written: %1").arg(problem);
        return {};
    }
    CardWriteContext context;
    context.recordFile = DefaultDeploymentRecord();
    context.settingsFile = Form->SettingsFileName();
    if (const QList<DiskVolume>* known = Picker->KnownDisks()) {
        const auto disks = std::make_shared<const QList<DiskVolume>>(*known);
        context.disks = [disks] { return disks.get(); };
    }
    return [this, prepared, context](Row& row, std::function<void(const CardJobEnd&)> done) {
        CardWriteContext card = context;
        if (!row.label.isEmpty() || !row.serial.isEmpty())
            card.identity = CardIdentity{row.label, row.serial};
        Workers.Ask<CardJobEnd>(
            [folder = row.Folder(), prepared, card]() mutable {
                if (!card.identity)
                    card.identity = VolumeIdentityOf(folder);
                const CardWritten w = WriteAndRecordCard(folder, prepared, card);
                CardJobEnd end{w.result.ok ? CardJobEnd::Done : CardJobEnd::Failed, w.lines};
                if (!w.recordError.isEmpty())
                    end.lines << tr("Not recorded in %1: %2").arg(card.recordFile, w.recordError);
                return end;
            },
            std::move(done));
    };
}

CardsView::Job CardsView::VerifyJob()
{
    const ComboItems items = PreferenceComboItems();
    const PresetRead form = FormPreset(Form, items);
    const QString configName = PrefText(Preferences.CFGname);
    const QString clockName = PrefText(Preferences.TimeName);
    return [this, form, items, configName, clockName](Row& row,
                                                      std::function<void(const CardJobEnd&)> done) {
        Workers.Ask<CardJobEnd>(
            [form, items, configName, clockName, folder = row.Folder()] {
                const CardCheck check = VerifyCard(folder, form, items, configName, clockName);
                return CardJobEnd{check.verdict == CardVerdict::Same      ? CardJobEnd::Done
                                  : check.verdict == CardVerdict::Differs ? CardJobEnd::Differs
                                                                          : CardJobEnd::Failed,
                                  {check.text}};
            },
            std::move(done));
    };
}

CardsView::Job CardsView::CollectJob()
{
    const ArchiveChoice choice = ChooseCollectArchive(this);
    if (choice.folder.isEmpty())
        return {};
    const QString archive = choice.folder;
    const CollectOptions options = WindowCollectOptions(choice);
    return [this, archive, options](Row& row, std::function<void(const CardJobEnd&)> done) {
        CollectOptions card = options;
        const QString folder = row.Folder();
        card.identity =
            !row.serial.isEmpty() ? CardIdentity{row.label, row.serial} : CardIdentityOf(folder);
        // Never cancelled once begun: a card under way is collected whole.
        card.progress = [progress = row.progress](const CollectProgress& p) {
            progress->store(p.totalBytes > 0 ? int(p.bytes * Steps / p.totalBytes) : 0);
            return true;
        };
        Workers.Ask<CardJobEnd>(
            [archive, folder, card] {
                const CardCollection c = CollectCard(archive, folder, card);
                CardJobEnd end{c.error.isEmpty() && !c.cancelled ? CardJobEnd::Done
                                                                 : CardJobEnd::Failed,
                               {CollectedLine(c)}};
                for (const QString& line : c.Details())
                    end.lines << QStringLiteral("    ") + line;
                if (!c.recordError.isEmpty())
                    end.lines << tr("Not recorded in collections.csv: %1").arg(c.recordError);
                return end;
            },
            std::move(done));
    };
}

CardsView::Job CardsView::EjectJob()
{
    return [this](Row& row, std::function<void(const CardJobEnd&)> done) {
        UDisksClient* disks = Picker->Disks();
        const bool ready = disks && disks->Status() == UDisksClient::State::Ready;
        const DiskVolume card = ready ? Picker->CardOfFolder(row.root) : DiskVolume();
        const QString folder = row.Folder();
        // The card the form's path is on goes on purpose: the picker is not to warn of it.
        const bool ofPath = !card.object.isEmpty() && Picker->CardOfPath().object == card.object;
        const auto told = [this, folder, done, ofPath](const EjectResult& result) {
            if (ofPath && !result.ok)
                Picker->ExpectGone(QString());
            done({result.ok ? CardJobEnd::Done : CardJobEnd::Failed, {EjectLine(folder, result)}});
        };
        if (card.object.isEmpty())
            return told(NotEjectable(ready));
        if (ofPath)
            Picker->ExpectGone(CardName(card));
        disks->Eject(card, told);
    };
}
