#pragma once

// What is on a card that comes back from the field or is about to be reused: its
// config.ini, free space, clock files and recordings. Qt Core only; the card is read,
// never written.

#include "recorder_files/batchwrite.h"
#include "recorder_files/cardfiles.h"
#include "recorder_files/daybyday.h"

#include <QDate>
#include <QDateTime>
#include <QFileInfo>
#include <QString>
#include <QStringList>

struct RecordingsSummary {
    bool readable = false;    // the card folder itself could be listed
    QString error;            // why not
    int count = 0;            // recordings: *.wav files (any case) whose header was read
    qint64 bytes = 0;         // their sizes
    qint64 milliseconds = 0;  // their playing time, measured by their sound
    QDateTime oldest, newest; // their modification times
    QStringList unreadable;   // "sub/BROKEN.WAV: not a WAV file", not counted above
    QStringList notes;        // "R017.WAV: unfinished recording (...), 12 min"
    QStringList skipped;      // "pipe.wav: It is a pipe or socket, not a file"
    bool moreFiles = false;   // a bound was reached: more files not counted
    // The file time and length of each recording whose header was read.
    QList<RecordingTime> times;
    // Every file of the card (ListCardFiles), the recordings' headers read (measured).
    QList<CardFile> files;
};

// Every *.wav under folder, sub-folders included, in the one walk of the card's files
// (ListCardFiles, which ownFiles is handed to); links are not followed.
RecordingsSummary SummariseRecordings(const QString& folder, const RecordingBounds& bounds = {},
                                      const QStringList& ownFiles = {QStringLiteral("config.ini"),
                                                                     QStringLiteral("time.ini")});

// "45 s", "12 min 5 s", "2 h 14 min 38 s".
QString PlayingTimeText(qint64 milliseconds);
// "132 recordings, 41 h 20 min", "6 recordings, 20 min, 1 unreadable"; empty when there
// are neither recordings nor unreadable files.
QString RecordingsText(const RecordingsSummary& summary);

struct CardReportOptions {
    QString configName = QStringLiteral("config.ini");
    QString clockName = QStringLiteral("time.ini");
    ComboItems items;
    QDate today = QDate::currentDate();      // the day the card came back
    QTime pickupTime = QTime::currentTime(); // when on that day; invalid: not known
    RecordingBounds bounds;
    QLocale locale = QLocale::c(); // of the dates the day-by-day findings name and numbers
    QString recordFile;            // the record of card writes asked; empty: none
};

struct CardReport {
    QString text; // the whole report, one item a line
    // 0 all readable, 1 a recording or config.ini unreadable, a line of config.ini
    // without effect (as --check) or something of the day by day needs a look, 2 the folder
    int exitCode = 0;
    RecordingsSummary recordings;
    DayByDay days;
};

CardReport InspectCard(const QString& folder, const CardReportOptions& options = {});

// The options of the preferences in use: the file names CFGname and TimeName and the
// items of HSample and HMode, as the form holds them. --inspect and the window's card
// report both ask with these.
CardReportOptions PreferenceReportOptions();
