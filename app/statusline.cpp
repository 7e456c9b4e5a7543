#include "app/statusline.h"

#include <QPainter>
#include <QStyleOption>

StatusLine::StatusLine(QWidget* parent) : QStatusBar(parent)
{
    connect(this, &QStatusBar::messageChanged, this, [this](const QString& message) {
        setToolTip(message);
        update();
    });
}

QRect StatusLine::MessageRect() const
{
    // Left of the leftmost widget shown beside the message (the permanent ones, the grip).
    int right = width();
    for (const QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisible() && child->x() > 0)
            right = qMin(right, child->x());
    }
    constexpr int Margin = 6;
    return QRect(Margin, 0, qMax(0, right - 2 * Margin), height());
}

QString StatusLine::ShownMessage() const
{
    return fontMetrics().elidedText(currentMessage(), Qt::ElideRight, MessageRect().width());
}

void StatusLine::paintEvent(QPaintEvent* event)
{
    if (currentMessage().isEmpty()) {
        QStatusBar::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_PanelStatusBar, &option, &painter, this);
    painter.setPen(palette().windowText().color());
    painter.drawText(MessageRect(), Qt::AlignLeading | Qt::AlignVCenter | Qt::TextSingleLine,
                     ShownMessage());
}
