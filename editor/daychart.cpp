// The card report's picture: the recordings day by day against the schedule.
#include "editor/daychart.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QToolTip>
#include <QVBoxLayout>

const QColor DayChart::RecordedColour(0x2e, 0x7d, 0x32);
const QColor DayChart::ScheduledColour(0x15, 0x65, 0xc0);
const QColor DayChart::GapColour(0xb0, 0x00, 0x20);

namespace
{

constexpr int PlotHeight = 180;

// "M/d/yy" without its year: "M/d"; "dd.MM.yyyy": "dd.MM".
QString DayMonthFormat(const QLocale& locale)
{
    QString format = locale.dateFormat(QLocale::ShortFormat);
    format.remove(QRegularExpression(QStringLiteral("[^dM]?y+[^dM]?")));
    return format.isEmpty() ? QStringLiteral("d.M") : format;
}

} // namespace

DayChart::DayChart(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("day chart"));
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
}

void DayChart::SetDays(const DayByDay& days)
{
    Figures = days;
    updateGeometry();
    update();
}

int DayChart::LeftMargin() const
{
    int widest = 0;
    for (const QString& label : AxisLabels())
        widest = qMax(widest, fontMetrics().horizontalAdvance(label));
    return widest + 10;
}

int DayChart::NarrowestDay() const
{
    const qsizetype n = Figures.days.size();
    return n <= 31 ? 16 : n <= 62 ? 10 : n <= 124 ? 6 : n <= 250 ? 4 : 3;
}

int DayChart::DayWidth() const
{
    const int room = (width() - LeftMargin() - 12) / int(qMax<qsizetype>(Figures.days.size(), 1));
    return qMax(NarrowestDay(), qMin(room, 24));
}

QRect DayChart::PlotRect() const
{
    const int top = fontMetrics().height() + 10;
    return QRect(LeftMargin(), top, int(Figures.days.size()) * DayWidth(), PlotHeight);
}

QSize DayChart::sizeHint() const
{
    const QRect plot(LeftMargin(), fontMetrics().height() + 10,
                     int(Figures.days.size()) * NarrowestDay(), PlotHeight);
    const int legend = fontMetrics().horizontalAdvance(tr("recorded")) +
                       fontMetrics().horizontalAdvance(tr("scheduled")) +
                       fontMetrics().horizontalAdvance(tr("no recordings")) + 120;
    return {qMax(plot.right() + 12, legend), plot.bottom() + fontMetrics().height() + 12};
}

QSize DayChart::minimumSizeHint() const
{
    return sizeHint();
}

QRect DayChart::DayRect(int index) const
{
    const QRect plot = PlotRect();
    return QRect(plot.left() + index * DayWidth(), plot.top(), DayWidth(), plot.height());
}

int DayChart::MostMinutes() const
{
    int most = 1;
    for (const DayFigures& day : Figures.days)
        most = qMax(most, qMax(day.RecordedMinutes(), day.scheduledMinutes));
    // Room above the highest bar or mark: never drawn on the plot's edge.
    return most + (most + 9) / 10;
}

int DayChart::StepMinutes() const
{
    for (int step : {1, 2, 5, 10, 15, 30, 60, 120, 180, 240}) {
        if ((MostMinutes() + step - 1) / step <= 6)
            return step;
    }
    return 360;
}

int DayChart::TopMinutes() const
{
    const int step = StepMinutes();
    return (MostMinutes() + step - 1) / step * step;
}

QStringList DayChart::AxisLabels() const
{
    // One kind of label: whole hours where the lines are hours apart, else minutes.
    const int step = StepMinutes();
    QStringList labels;
    for (int m = 0; m <= TopMinutes(); m += step)
        labels << (step % 60 == 0 ? tr("%1 h").arg(m / 60) : tr("%1 min").arg(m));
    return labels;
}

int DayChart::MinutesY(int minutes) const
{
    const QRect plot = PlotRect();
    return plot.bottom() - int(qint64(qMax(minutes, 0)) * (plot.height() - 1) / TopMinutes());
}

QString DayChart::DateLabel(int index) const
{
    if (index < 0 || index >= Figures.days.size())
        return QString();
    const QLocale locale;
    const QString format = DayMonthFormat(locale);
    const int room = fontMetrics().horizontalAdvance(locale.toString(QDate(2026, 12, 28), format));
    int every = 1;
    for (int k : {1, 2, 7, 14, 28, 56, 91}) {
        every = k;
        if (k * DayWidth() >= room + 8)
            break;
    }
    return index % every == 0 ? locale.toString(Figures.days[index].date, format) : QString();
}

QString DayChart::DayText(int index) const
{
    constexpr int MaxFiles = 10;
    const DayFigures& day = Figures.days.at(index);
    const QString minutes = tr("%1 min");
    const QString scheduled = day.scheduledMinutes < 0
                                  ? tr("no schedule known")
                                  : tr("%1 scheduled").arg(minutes.arg(day.scheduledMinutes));
    QStringList lines(tr("%1: %2 recorded, %3")
                          .arg(QLocale().toString(day.date, QStringLiteral("d MMMM yyyy")),
                               minutes.arg(day.RecordedMinutes()), scheduled));
    lines << day.files.mid(0, MaxFiles);
    if (day.recordings > MaxFiles)
        lines << tr("and %1 more").arg(day.recordings - MaxFiles);
    return lines.join(QLatin1Char('\n'));
}

bool DayChart::IsGapDay(int index) const
{
    const QDate date = Figures.days.value(index).date;
    for (const RecordingGap& gap : Figures.gaps) {
        if (date >= gap.from && date <= gap.to)
            return true;
    }
    return false;
}

bool DayChart::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const int index = (help->pos().x() - PlotRect().left()) / DayWidth();
        if (help->pos().x() >= PlotRect().left() && index < Figures.days.size())
            QToolTip::showText(help->globalPos(), DayText(index), this, DayRect(index));
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void DayChart::PaintAxes(QPainter& painter) const
{
    const QRect plot = PlotRect();
    const int step = StepMinutes();
    painter.setPen(palette().color(QPalette::Mid));
    const QStringList labels = AxisLabels();
    for (int i = 0; i < labels.size(); ++i) {
        const int y = MinutesY(i * step);
        painter.drawLine(plot.left() - 4, y, plot.right(), y);
        const QString& label = labels[i];
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(QRect(0, y - 10, plot.left() - 6, 20), Qt::AlignRight | Qt::AlignVCenter,
                         label);
        painter.setPen(palette().color(QPalette::Mid));
    }
    painter.setPen(palette().color(QPalette::Text));
    for (int i = 0; i < Figures.days.size(); ++i) {
        const QString label = DateLabel(i);
        if (label.isEmpty())
            continue;
        const QRect day = DayRect(i);
        painter.drawLine(day.left(), plot.bottom(), day.left(), plot.bottom() + 4);
        painter.drawText(QRect(day.left(), plot.bottom() + 4, 200, fontMetrics().height() + 4),
                         Qt::AlignLeft | Qt::AlignVCenter, label);
    }
}

void DayChart::PaintLegend(QPainter& painter) const
{
    const int h = fontMetrics().height();
    int x = PlotRect().left();
    const auto item = [&](const QColor& colour, const QString& text, bool line) {
        if (line)
            painter.fillRect(QRect(x, 4 + h / 2 - 1, 14, 3), colour);
        else
            painter.fillRect(QRect(x, 4 + 2, 10, h - 4), colour);
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(QRect(x + 18, 4, 1000, h), Qt::AlignLeft | Qt::AlignVCenter, text);
        x += 18 + fontMetrics().horizontalAdvance(text) + 24;
    };
    item(RecordedColour, tr("recorded"), false);
    item(ScheduledColour, tr("scheduled"), true);
    item(GapColour, tr("no recordings"), false);
}

void DayChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect plot = PlotRect();
    painter.fillRect(plot, palette().color(QPalette::Base));
    const int gapWidth = DayWidth() >= 6 ? 1 : 0;
    for (int i = 0; i < Figures.days.size(); ++i) {
        const DayFigures& day = Figures.days[i];
        const QRect slot = DayRect(i);
        if (IsGapDay(i)) {
            QColor light = GapColour;
            light.setAlpha(50);
            painter.fillRect(slot, light);
            painter.fillRect(QRect(slot.left(), slot.bottom() - 3, slot.width(), 4), GapColour);
        }
        const int y = MinutesY(day.RecordedMinutes());
        if (day.recordedMilliseconds > 0)
            painter.fillRect(QRect(QPoint(slot.left(), qMin(y, slot.bottom() - 1)),
                                   QPoint(slot.right() - gapWidth, slot.bottom())),
                             RecordedColour);
        if (day.scheduledMinutes > 0)
            painter.fillRect(
                QRect(slot.left(), MinutesY(day.scheduledMinutes) - 1, slot.width(), 3),
                ScheduledColour);
    }
    PaintAxes(painter);
    PaintLegend(painter);
}

QDialog* NewCardReportDialog(QWidget* parent, const QString& title, const CardReport& report)
{
    auto* dialog = new QDialog(parent);
    dialog->setObjectName(QStringLiteral("card report"));
    dialog->setWindowTitle(title);
    auto* layout = new QVBoxLayout(dialog);
    auto* splitter = new QSplitter(Qt::Vertical, dialog);
    if (!report.days.days.isEmpty()) {
        auto* picture = new QWidget;
        auto* column = new QVBoxLayout(picture);
        column->setContentsMargins(0, 0, 0, 0);
        auto* chart = new DayChart;
        chart->SetDays(report.days);
        auto* scroll = new QScrollArea;
        scroll->setWidget(chart);
        scroll->setWidgetResizable(true);
        scroll->setFixedHeight(chart->sizeHint().height() + 24);
        column->addWidget(scroll);
        // What needs a look, where it is seen at once: the text has it after the table.
        const QStringList notes = DayByDayNotes(report.days, QLocale());
        if (!notes.isEmpty()) {
            auto* label = new QLabel(notes.join(QLatin1Char('\n')));
            label->setObjectName(QStringLiteral("day notes"));
            label->setTextFormat(Qt::PlainText);
            label->setWordWrap(true); // a long note never widens the dialog past the screen
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setStyleSheet(QStringLiteral("color: %1").arg(DayChart::GapColour.name()));
            column->addWidget(label);
        }
        picture->setMaximumHeight(picture->sizeHint().height());
        splitter->addWidget(picture);
        splitter->setStretchFactor(1, 1); // the text takes the room the picture leaves
    }
    auto* view = new QPlainTextEdit(report.text);
    view->setReadOnly(true);
    view->setLineWrapMode(QPlainTextEdit::WidgetWidth); // the long lines (recordings) wrap
    view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    splitter->addWidget(view);
    layout->addWidget(splitter);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    layout->addWidget(buttons);
    // As wide as a year of days wants, within the screen the window is on.
    const QRect screen =
        (parent ? parent->screen() : QApplication::primaryScreen())->availableGeometry();
    dialog->resize(qMin(1240, screen.width() - 40), qMin(720, screen.height() - 60));
    return dialog;
}

void ShowCardReportDialog(QWidget* parent, const QString& title, const CardReport& report)
{
    QDialog* dialog = NewCardReportDialog(parent, title, report);
    dialog->exec();
    delete dialog;
}
