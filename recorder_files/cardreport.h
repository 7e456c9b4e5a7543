#pragma once

// What is on a card that comes back from the field or is about to be reused: its
// config.ini, free space, clock files and recordings. Qt Core only; the card is read,
// never written.

#include "recorder_files/batchwrite.h"

#include <QDate>
#include <QDateTime>
#include <QFileInfo>
#include <QString>
#include <QStringList>

// How far the recordings of a card are looked for.
struct RecordingBounds {
    int depth = 8;        // folder levels below the card folder
    int entries = 100000; // files and folders looked at
    qint64 headBytes = 64 * 1024;
};

struct RecordingsSummary {
    bool readable = false;    // the card folder itself could be listed
    QString error;            // why not
    int count = 0;            // *.wav files (any case) that are regular files
    qint64 bytes = 0;         // their sizes
    qint64 milliseconds = 0;  // playing time of those whose header was read
    QDateTime oldest, newest; // their modification times
    QStringList unreadable;   // "sub/BROKEN.WAV: not a WAV file"
    QStringList skipped;      // "pipe.wav: It is a pipe or socket, not a file"
    bool moreFiles = false;   // a bound was reached: more files not counted
    QStringList files;        // every regular *.wav found, as relative paths
};

// Every *.wav under folder, sub-folders included; links to folders are not followed.
RecordingsSummary SummariseRecordings(const QString& folder, const RecordingBounds& bounds = {});

// "41 h 20 min", "20 min".
QString PlayingTimeText(qint64 milliseconds);
// "132 recordings, 41 h 20 min"; empty when there are none.
QString RecordingsText(const RecordingsSummary& summary);

struct CardReportOptions {
    QString configName = QStringLiteral("config.ini");
    QString clockName = QStringLiteral("time.ini");
    ComboItems items;
    QDate today = QDate::currentDate();
    RecordingBounds bounds;
};

struct CardReport {
    QString text;     // the whole report, one item a line
    int exitCode = 0; // 0 all readable, 1 a recording or config.ini unreadable, 2 the folder
    RecordingsSummary recordings;
};

CardReport InspectCard(const QString& folder, const CardReportOptions& options = {});
