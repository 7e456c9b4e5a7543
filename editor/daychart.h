#pragma once

#include "recorder_files/cardreport.h"

#include <QWidget>

class QDialog;

// The recordings of a card day by day: a bar per day of the minutes recorded, the minutes
// the schedule writes marked across it, the days without recordings where the schedule
// writes in a warning colour. Up to about a year fits a laptop's screen (a day is 3 to 16
// pixels wide); a longer span is wider than that and scrolls. The days without recordings
// before the card came back are a gap too.
class DayChart : public QWidget
{
    Q_OBJECT

public:
    explicit DayChart(QWidget* parent = nullptr);
    void SetDays(const DayByDay& days);
    const DayByDay& Days() const { return Figures; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Where day index is drawn (the whole height it may fill), for the painter and tests.
    QRect DayRect(int index) const;
    // The date under day index as the axis writes it, in the user's locale ("6/14",
    // "14.06"); empty under the days that carry no label.
    QString DateLabel(int index) const;
    // "14 June 2026: 60 min recorded, 90 min scheduled", in the user's locale, then the
    // day's recordings a line each (the first ten).
    QString DayText(int index) const;
    // The minutes' labels from the bottom line up, all of one kind ("0 min", "2 min" ...
    // or "0 h", "1 h" ...): the scale follows the larger of the schedule and the most
    // recorded in a day.
    QStringList AxisLabels() const;
    // Where a bar of these minutes ends.
    int MinutesY(int minutes) const;
    bool IsGapDay(int index) const;

    static const QColor RecordedColour;
    static const QColor ScheduledColour;
    static const QColor GapColour;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int LeftMargin() const;   // room for the minutes' labels
    int NarrowestDay() const; // 3 to 16 pixels, narrower the more days there are
    int DayWidth() const;     // as wide as the widget lets them be, at most 24 pixels
    QRect PlotRect() const;
    int MostMinutes() const; // recorded or scheduled on any day, and a tenth more
    int StepMinutes() const; // between the plot's lines: at most six of them
    int TopMinutes() const;  // at the top of the plot
    void PaintAxes(QPainter& painter) const;
    void PaintLegend(QPainter& painter) const;

    DayByDay Figures;
};

// The card report: the day-by-day picture above the text of the report, sized for the
// parent's screen; not shown yet.
QDialog* NewCardReportDialog(QWidget* parent, const QString& title, const CardReport& report);
// The same, shown as a modal dialog until the user closes it.
void ShowCardReportDialog(QWidget* parent, const QString& title, const CardReport& report);
