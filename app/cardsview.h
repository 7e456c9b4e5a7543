#pragma once

// The window's Cards: every card the card picker knows, one row each (label and serial,
// folder, free space, recordings, how its config.ini compares with the form), kept current
// as cards come and go. Write the form, Verify against the form, Collect... and Eject run
// on the ticked cards, at most AtOnce at a time, each row with its own progress bar and
// the command line's own lines for the card as its verdict; a summary line at the end.

#include "card/detachedquestion.h"

#include <QDialog>
#include <QTimer>
#include <atomic>
#include <functional>
#include <memory>

class CardPicker;
class ConfigEditWindow;
class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// What one card's job came to: its lines as the command line prints them, and which of
// the action's counts it adds to.
struct CardJobEnd {
    enum Count { Done, Differs, Failed };
    Count count = Failed;
    QStringList lines;
};

class CardsView : public QDialog
{
    Q_OBJECT

public:
    enum class Action { Write, Verify, Collect, Eject };
    // Each card's row; its verdict is the line beneath it, across the whole width.
    enum Column {
        CardColumn,
        FolderColumn,
        SpaceColumn,
        RecordingsColumn,
        CompareColumn,
        ProgressColumn,
        ColumnCount
    };
    // Cards worked on at once: a reader's slots share one USB bus.
    static constexpr int AtOnce = 2;

    CardsView(ConfigEditWindow* form, CardPicker* picker, QWidget* parent);
    ~CardsView() override;

    QTreeWidget* Rows() const { return Table; }
    // Ticks every card (all) or none.
    void TickAll(bool tick);
    // Runs action on the ticked cards; nothing while an action runs.
    void Run(Action action);
    // Drops the cards not begun yet; the ones under way finish whole.
    void Cancel();
    bool Busy() const { return Running > 0 || !Queue.isEmpty(); }
    // True while the figures of a card are being asked (on show, after its job ends).
    bool Asking() const;
    // How the row tells a config.ini that differs from the form in that many settings.
    static QString DiffersText(int settings);
    // "4 written, 1 failed" once an action has ended; empty before.
    QString SummaryText() const;

signals:
    // The action ended; summary as SummaryText.
    void actionDone(const QString& summary);

private:
    struct Row;
    // One card's job: started on the window's thread, done called there with the end.
    using Job = std::function<void(Row& row, std::function<void(const CardJobEnd&)> done)>;

    void BuildButtons();
    void ShowCards();
    Row* AddRow(const QString& root);
    void FillRow(Row& row);
    void AskFacts(Row& row);
    void Start(Action action, const QList<Row*>& rows, Job job);
    void Pump();
    void Ended(Row* row, const CardJobEnd& end);
    void ShowProgress();
    void SetVerdict(Row& row, const QString& text, const QString& tip = QString());
    void Finish();
    QList<Row*> Ticked() const;
    Row* RowOf(const QString& root) const;
    void Enable();

    Job WriteJob();
    Job VerifyJob();
    Job CollectJob();
    Job EjectJob();

    ConfigEditWindow* Form;
    CardPicker* Picker;
    QTreeWidget* Table;
    QLabel* Summary;
    QList<QPushButton*> Actions;
    QPushButton* CancelButton = nullptr;
    std::vector<std::unique_ptr<Row>> RowList;
    QList<Row*> Queue;
    Job Current;
    Action Doing = Action::Write;
    int Running = 0;
    int Counts[3] = {0, 0, 0};
    int NotBegun = 0;
    bool Idle = true; // no action has begun, or the last one ended
    QString Said;
    QTimer Progress;
    DetachedQuestion Workers;
};
