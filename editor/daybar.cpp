// The day bar and the read-outs of the schedule under the form's timer panels.
#include "editor/daybar.h"

#include "app/preferences/prefcodec.h"
#include "app/preferences/preferences.h"
#include "editor/configeditwindow.h"
#include "recorder_files/derived.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QSpinBox>

namespace
{

const QColor WrittenColour(0x2e, 0x7d, 0x32);
const QColor OverlapColour(0xe6, 0x51, 0x00);
const QColor WarningColour(0xb0, 0x00, 0x20);

} // namespace

DayBar::DayBar(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("day bar"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void DayBar::SetCover(const DayCover& cover)
{
    if (cover.once == Cover.once && cover.twice == Cover.twice)
        return;
    Cover = cover;
    update();
}

QSize DayBar::sizeHint() const
{
    return {480, minimumSizeHint().height()};
}

QSize DayBar::minimumSizeHint() const
{
    return {240, 20 + 6 + fontMetrics().height()};
}

QRect DayBar::BarRect() const
{
    const int margin = fontMetrics().horizontalAdvance(QStringLiteral("24")) / 2 + 1;
    return QRect(margin, 1, width() - 2 * margin, 18);
}

int DayBar::MinuteX(int minute) const
{
    const QRect bar = BarRect();
    return bar.left() + int(qint64(minute) * bar.width() / MinutesPerDay);
}

void DayBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect bar = BarRect();
    painter.fillRect(bar, palette().color(QPalette::Base));
    // Runs of minutes with the same state, one rectangle each.
    for (int start = 0; start < MinutesPerDay;) {
        const int state = Cover.WritesAt(start);
        int end = start + 1;
        while (end < MinutesPerDay && Cover.WritesAt(end) == state)
            ++end;
        if (state > 0) {
            const QRect run(QPoint(MinuteX(start), bar.top()),
                            QPoint(qMax(MinuteX(end) - 1, MinuteX(start)), bar.bottom()));
            painter.fillRect(run, state == 1 ? WrittenColour : OverlapColour);
        }
        start = end;
    }
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(bar.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::WindowText));
    for (int hour = 0; hour <= 24; ++hour) {
        const int x = MinuteX(hour * 60);
        painter.drawLine(x, bar.bottom() + 1, x, bar.bottom() + (hour % 6 == 0 ? 6 : 3));
        if (hour % 6 == 0) {
            const QString text = QString::number(hour);
            const int w = painter.fontMetrics().horizontalAdvance(text);
            painter.drawText(QRect(x - w, bar.bottom() + 6, 2 * w, fontMetrics().height()),
                             Qt::AlignHCenter | Qt::AlignTop, text);
        }
    }
}

ScheduleStrip::ScheduleStrip(ConfigEditWindow* form) : QWidget(form), Form(form)
{
    setObjectName(QStringLiteral("schedule strip"));
    auto* texts = new QVBoxLayout(this);
    texts->setContentsMargins(0, 8, 0, 0);
    texts->setSpacing(4);
    BarWidget = new DayBar(this);
    texts->addWidget(BarWidget);
    Total = new QLabel(this);
    Warnings = new QLabel(this);
    Notes = new QLabel(this);
    Full = new QLabel(this);
    for (QLabel* label : {Total, Warnings, Notes, Full}) {
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        texts->addWidget(label);
    }

    Pending.setSingleShot(true);
    Pending.setInterval(0);
    connect(&Pending, &QTimer::timeout, this, &ScheduleStrip::Update);
    for (QObject* control : std::initializer_list<QObject*>{
             form->sampleRate, form->wavType, form->vasEnable, form->loopSize, form->timersEnable})
        Follow(control);
    for (const TimerPanel& panel : form->TimerPanels) {
        for (QObject* control : std::initializer_list<QObject*>{
                 panel.month, panel.day, panel.hour, panel.minut, panel.lenght, panel.timerEnable})
            Follow(control);
    }
    Update();
}

ScheduleStrip* ScheduleStrip::Attach(ConfigEditWindow* form)
{
    // Into the group of the timers switch, under its grid: the timer panels beside the
    // middle column leave room there, so the window grows no taller.
    QWidget* group = form->timersEnable->parentWidget();
    auto* strip = new ScheduleStrip(form);
    if (auto* box = qobject_cast<QBoxLayout*>(group->layout())) {
        strip->setParent(group);
        box->addWidget(strip);
    }
    return strip;
}

void ScheduleStrip::Follow(QObject* control)
{
    // Changes made by the reader count as well as the user's: these signals come from both.
    const auto later = [this] { Pending.start(); };
    if (auto* box = qobject_cast<QComboBox*>(control))
        connect(box, &QComboBox::currentIndexChanged, this, later);
    else if (auto* check = qobject_cast<QCheckBox*>(control))
        connect(check, &QCheckBox::toggled, this, later);
    else if (auto* spin = qobject_cast<QSpinBox*>(control))
        connect(spin, &QSpinBox::valueChanged, this, later);
}

void ScheduleStrip::SetFreeBytes(qint64 freeBytes)
{
    FreeBytes = freeBytes;
    ShowFull();
}

void ScheduleStrip::Update()
{
    Current = MakeSchedule(ScheduleInputOf(Form->Settings()));
    BarWidget->SetCover(Current.typical);
    const int rate = Current.input.byteRate;
    const QString mb = ConfigEditWindow::tr("Mb");
    QList<int> needsAction;
    const QStringList lines = ScheduleLines(
        Current, [rate, mb](int minutes, qint64) { return FileSizeText(minutes, rate, mb); },
        QLocale(), &needsAction);
    QStringList warnings, notes;
    for (qsizetype i = 1; i < lines.size(); ++i)
        (needsAction.contains(int(i)) ? warnings : notes) << lines[i];
    Total->setText(lines.first());
    Warnings->setText(warnings.join(QLatin1Char('\n')));
    Warnings->setVisible(!warnings.isEmpty());
    Notes->setText(notes.join(QLatin1Char('\n')));
    Notes->setVisible(!notes.isEmpty());
    BarWidget->setAccessibleName(tr("Timers over a day"));
    BarWidget->setAccessibleDescription(Total->text());
    ShowFull();
}

void ScheduleStrip::ShowFull()
{
    // The wording of --check --free, with the card's free space and today.
    int days = -1;
    QString text;
    if (FreeBytes >= 0 && Current.input.timersEnabled && Current.input.loopSizeMb == 0)
        text = CardFullText(Current, FreeBytes, FreeSpaceText(FreeBytes), today, &days);
    QPalette warning = Total->palette();
    warning.setColor(QPalette::WindowText, WarningColour);
    const bool soon = !text.isEmpty() && days >= 0 && days < CardFullWarningDays();
    Full->setPalette(soon ? warning : Total->palette());
    Warnings->setPalette(warning);
    Full->setText(text);
    Full->setVisible(!text.isEmpty());
}
