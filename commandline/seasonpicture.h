#pragma once

// season.png: the operation matrix of an archive as a picture, one row per card deployment
// and one column per day, each cell coloured by what the card recorded against what its
// schedule writes; months marked above, cards named on the left. Drawn with QImage and
// QPainter alone: a QGuiApplication is needed for the fonts, not a display.

#include "recorder_files/season.h"

#include <QColor>
#include <QImage>
#include <QRect>

// The colour of a day's cell; not deployed (before or after a card's days): white.
QColor DayColour(DayState state);
QColor NotDeployedColour();

struct SeasonPicture {
    QImage image;
    QDate first; // the first column's day
    int days = 0;

    // The cell of a card (its row in Season::cards) on a day; empty when the day is not
    // in the picture.
    QRect Cell(int row, const QDate& day) const;
    // The row (of rows) and the day under a point of the picture; false off the rows, the
    // day invalid left of the days (on the card's name).
    bool At(const QPoint& point, int rows, int* row, QDate* day) const;
};

SeasonPicture DrawSeason(const Season& season);
