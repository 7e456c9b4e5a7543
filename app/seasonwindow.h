#pragma once

// The window's "Season...": an archive folder asked (ChooseArchiveFolder), read on a worker
// thread under a progress dialog, and its season shown as --season draws it: a tool tip
// per cell, a click on a card's row opens that card's report.

#include "commandline/seasonpicture.h"

#include <QLabel>

#include <functional>

class SeasonView : public QLabel
{
    Q_OBJECT

public:
    explicit SeasonView(const Season& season, QWidget* parent = nullptr);
    // What a cell tells: the card, the day, minutes recorded of scheduled; empty off the
    // cells.
    QString ToolTipAt(const QPoint& point) const;
    // The last collection folder of the card whose row is at point; empty off the rows.
    QString CollectionAt(const QPoint& point) const;

signals:
    void cardClicked(const QString& collection);

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    Season TheSeason;
    SeasonPicture Picture;
};

// Reads the archive's season on a worker thread under a progress dialog over parent; the
// window stays live meanwhile. Cancel gives a season with its error set.
Season ReadSeasonWithProgress(QWidget* parent, const QString& archive,
                              const SeasonOptions& options);

// The whole command: archive folder, season, the picture in a dialog whose rows open the
// card's report through openReport (a collection folder).
void ShowSeason(QWidget* parent, const std::function<void(const QString&)>& openReport);
