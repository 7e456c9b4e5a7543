#pragma once

// The one walk of a card's files, for --inspect, the window's card report and status
// line, and --collect: every name below the card folder as the system's bytes (a name
// that is no valid UTF-8 is a file like any other), links and special files told apart
// and never followed or opened, and the temporary files of the program's own interrupted
// writes left out. Qt Core only; the card is read, never written.

#include "platform/folderplatform.h"
#include "recorder_files/wavheader.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// How far the files of a card are looked for.
struct RecordingBounds {
    int depth = 8;        // folder levels below the card folder
    int entries = 100000; // files and folders looked at
    qint64 headBytes = 64 * 1024;
};

// One name on the card that is not a folder.
struct CardFile {
    QByteArray path; // from the card folder on, the system's bytes: "REC/A0001.WAV"
    EntryKind kind = EntryKind::File;
    qint64 size = 0; // of a regular file
    QDateTime time;  // its modification time
    // A recording's header, where the walk of recordings read it (SummariseRecordings).
    bool measured = false;
    WavInfo wav;

    // True when the path is valid UTF-8 (Qt can name it).
    bool IsText() const;
    // A recording's name: *.wav in any case.
    bool IsRecordingName() const;
    // The path for a terminal and a report: control characters and, where the path is
    // no valid UTF-8, every byte outside printable ASCII as \xNN.
    QString Shown() const;
    // Why it is not read as a file ("a link, not followed"); empty for a regular file.
    QString NotAFile() const;
};

// A path of the card as CardFile::Shown shows it.
QString ShownName(const QByteArray& path);

struct CardListing {
    QString error;          // the card folder itself cannot be listed
    QList<CardFile> files;  // in the order of the walk, folders before what follows them
    QStringList unlistable; // "REC/2026/: the folder cannot be read"
    bool moreFiles = false; // a bound was reached: more names not looked at
};

// The names below card (its folder, ending in "/" or not), sub-folders included to
// bounds.depth, links to folders not followed. ownFiles are the names of the files the
// program writes to a card (config.ini, the clock file): the temporary files an
// interrupted write of them left in the card folder are none of the card's files.
CardListing ListCardFiles(const QString& card, const RecordingBounds& bounds = {},
                          const QStringList& ownFiles = {QStringLiteral("config.ini"),
                                                         QStringLiteral("time.ini")});
