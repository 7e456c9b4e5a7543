#include "commandline/seasonpicture.h"

#include <QFontMetrics>
#include <QLocale>
#include <QPainter>

namespace
{

constexpr int NameWidth = 180;  // the cards' names
constexpr int MonthHeight = 24; // the months above
constexpr int LegendHeight = 28;
constexpr int CellWidth = 7, CellHeight = 16; // a day of a card, a pixel apart
constexpr int Margin = 6;

const QColor Grid(96, 96, 96);

} // namespace

QColor DayColour(DayState state)
{
    switch (state) {
    case DayState::Full:
        return QColor(46, 125, 50);
    case DayState::Partly:
        return QColor(249, 168, 37);
    case DayState::None:
        return QColor(198, 40, 40);
    case DayState::Idle:
        return QColor(176, 190, 197);
    }
    return NotDeployedColour();
}

QColor NotDeployedColour()
{
    return QColor(Qt::white);
}

QRect SeasonPicture::Cell(int row, const QDate& day) const
{
    const qint64 column = first.daysTo(day);
    if (column < 0 || column >= days)
        return QRect();
    return QRect(Margin + NameWidth + int(column) * CellWidth, MonthHeight + row * CellHeight,
                 CellWidth - 1, CellHeight - 1);
}

bool SeasonPicture::At(const QPoint& point, int rows, int* row, QDate* day) const
{
    const int x = point.x() - Margin - NameWidth, y = point.y() - MonthHeight;
    if (y < 0 || y >= rows * CellHeight || point.x() < 0)
        return false;
    *row = y / CellHeight;
    *day = x >= 0 && x < days * CellWidth ? first.addDays(x / CellWidth) : QDate();
    return true;
}

namespace
{

void DrawMonths(QPainter& p, const SeasonPicture& picture, int height)
{
    for (QDate day = picture.first; day < picture.first.addDays(picture.days);
         day = QDate(day.year(), day.month(), 1).addMonths(1)) {
        const int x = picture.Cell(0, day).left() - 1;
        p.setPen(Grid);
        p.drawLine(x, MonthHeight - 6, x, height);
        p.drawText(QRect(x + 3, 0, 200, MonthHeight - 4), Qt::AlignLeft | Qt::AlignBottom,
                   QLocale::c().toString(day, QStringLiteral("MMM yyyy")));
    }
}

void DrawLegend(QPainter& p, int top)
{
    const std::pair<DayState, const char*> items[] = {
        {DayState::Full, "recorded what the schedule writes"},
        {DayState::Partly, "part of it"},
        {DayState::None, "nothing where the schedule writes"},
        {DayState::Idle, "the schedule writes nothing"}};
    int x = Margin;
    for (const auto& [state, text] : items) {
        p.fillRect(QRect(x, top + 8, CellWidth * 2, CellHeight - 4), DayColour(state));
        x += CellWidth * 2 + 4;
        const QString label = QString::fromLatin1(text);
        p.setPen(Qt::black);
        p.drawText(QPoint(x, top + 8 + CellHeight - 6), label);
        x += p.fontMetrics().horizontalAdvance(label) + 16;
    }
}

} // namespace

SeasonPicture DrawSeason(const Season& season)
{
    SeasonPicture picture;
    QDate last;
    for (const SeasonCard& c : season.cards) {
        if (c.days.days.isEmpty())
            continue;
        if (!picture.first.isValid() || c.days.days.first().date < picture.first)
            picture.first = c.days.days.first().date;
        if (!last.isValid() || c.days.days.last().date > last)
            last = c.days.days.last().date;
    }
    picture.days = picture.first.isValid() ? int(picture.first.daysTo(last)) + 1 : 0;
    const int rows = int(season.cards.size());
    const int height = MonthHeight + rows * CellHeight;
    picture.image = QImage(qMax(Margin * 2 + NameWidth + picture.days * CellWidth, 720),
                           height + LegendHeight, QImage::Format_RGB32);
    picture.image.fill(NotDeployedColour());
    QPainter p(&picture.image);
    QFont font = p.font();
    font.setPixelSize(CellHeight - 5);
    p.setFont(font);
    for (int row = 0; row < rows; ++row) {
        const SeasonCard& c = season.cards[row];
        p.setPen(Qt::black);
        p.drawText(QRect(Margin, MonthHeight + row * CellHeight, NameWidth - 4, CellHeight),
                   Qt::AlignLeft | Qt::AlignVCenter,
                   p.fontMetrics().elidedText(c.card, Qt::ElideMiddle, NameWidth - 4));
        for (const DayFigures& day : c.days.days)
            p.fillRect(picture.Cell(row, day.date), DayColour(StateOf(day, c.days)));
    }
    if (picture.days > 0)
        DrawMonths(p, picture, height);
    DrawLegend(p, height);
    return picture;
}
