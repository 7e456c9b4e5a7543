#pragma once

#include <QStatusBar>

// The main window's status bar: a message longer than the room left of the permanent
// widgets ends in "…" instead of being cut off, and its whole text is the tool tip.
class StatusLine : public QStatusBar
{
    Q_OBJECT

public:
    explicit StatusLine(QWidget* parent = nullptr);
    // The text the message shows now: the message, elided to the room it has.
    QString ShownMessage() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect MessageRect() const;
};
