#pragma once

#include "recorder_files/schedulewording.h"

#include <QTimer>
#include <QWidget>

class ConfigEditWindow;
class QLabel;

// A 24-hour bar of a typical day: written minutes in one colour, minutes where writes
// overlap in another, a tick every hour.
class DayBar : public QWidget
{
    Q_OBJECT

public:
    explicit DayBar(QWidget* parent = nullptr);
    void SetCover(const DayCover& cover);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The strip of the bar that holds a minute of the day (for the painter and tests).
    QRect BarRect() const;
    int MinuteX(int minute) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DayCover Cover;
};

// The day bar with its read-outs beside it: the daily total in the form's size unit,
// date-bound extras, VAS and loop notes, and how many days the card's free space lasts.
// It follows the form's controls by itself.
class ScheduleStrip : public QWidget
{
    Q_OBJECT

public:
    explicit ScheduleStrip(ConfigEditWindow* form);

    // Creates the strip and puts it across the form, above the button bar.
    static ScheduleStrip* Attach(ConfigEditWindow* form);

    void SetFreeBytes(qint64 freeBytes); // -1: no card folder
    // The day the count of days until full starts from (tests fix it).
    QDate today = QDate::currentDate();

    DayBar* Bar() const { return BarWidget; }
    QLabel* TotalLabel() const { return Total; }
    QLabel* NotesLabel() const { return Notes; }
    QLabel* WarningsLabel() const { return Warnings; }
    QLabel* FullLabel() const { return Full; }

    // Recomputes everything from the form's controls now.
    void Update();

private:
    void Follow(QObject* control);
    void ShowFull();

    ConfigEditWindow* Form;
    DayBar* BarWidget;
    QLabel* Total;
    QLabel* Warnings; // what calls for a change: writes that overlap
    QLabel* Notes;    // what only informs: extras, VAS, loop, unlimited
    QLabel* Full;
    Schedule Current;
    qint64 FreeBytes = -2; // -2: not known yet
    QTimer Pending;
};
