#pragma once

// The season at a glance: every card of an archive that --collect filled, day by day from
// its deployment to the day it came back, read from the recordings.csv of its collection
// folders (ARCHIVE/<card>/<YYYY-MM-DD>/) and the record of card writes; the recordings
// themselves are not opened. A collection folder's figures are the ones --inspect gives of
// it: the same options (CollectionDayOptions) go to the same MakeDayByDay. Qt Core only.

#include "app/preferences/comboitems.h"
#include "common/cardidentity.h"
#include "recorder_files/configsettings.h"
#include "recorder_files/daybyday.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// The file --collect lists a collection folder's copies in.
constexpr char RecordingListFile[] = "recordings.csv";

// A folder ARCHIVE/<card>/<YYYY-MM-DD>/ holding a recordings.csv.
struct CollectionFolder {
    QString folder;        // absolute, ending in "/"
    QString card;          // the card's folder name in the archive: "REC01_1A2B-3C4D"
    CardIdentity identity; // read back from that name: label and FAT serial
    QDate date;            // of the collect: the day the card came back
};

// Whether folder is a collection folder; *collection (may be null) gets its parts.
bool IsCollectionFolder(const QString& folder, CollectionFolder* collection = nullptr);

// The day by day's options of a collection: picked up on the collection's date (the time
// of day not known), deployed at the record's last write of the card before that day.
DayByDayOptions CollectionDayOptions(const CollectionFolder& collection, const QString& recordFile);

// The recordings a recordings.csv lists (the rows with a playing time), named by their
// card path; the reason in *error when the file cannot be read or is no such list.
QList<RecordingTime> ReadRecordingList(const QString& fileName, QString* error);

struct SeasonOptions {
    QString configName = QStringLiteral("config.ini");
    ComboItems items;
    QString recordFile; // the record of card writes; empty: deployments not known
};

// One deployment of a card: its collection folders with the same last write before them
// (a card collected twice in the field) taken together.
struct SeasonCard {
    QString card; // as CollectionFolder
    CardIdentity identity;
    QStringList collections; // the folders, oldest first
    DayByDay days;
    int recordings = 0;      // listed, each once
    qint64 milliseconds = 0; // their playing time
    QStringList problems;    // a recordings.csv or config.ini that could not be read

    int DaysRecorded() const;
    int DaysWithout() const; // without recordings where the schedule writes (or not known)
    int WrongClock() const;  // recordings dated by a clock not set, set ahead or wrong
    bool NeedsALook() const { return !problems.isEmpty() || days.NeedsALook(); }
    QString Station() const; // the label, else the card's folder name
};

struct Season {
    QString archive; // absolute, ending in "/"
    QList<SeasonCard> cards;
    QString error; // the archive cannot be read or holds no collection
};

Season ReadSeason(const QString& archive, const SeasonOptions& options);

// How a day of a card is shown: recorded all the schedule writes (or anything, where the
// schedule is not known or VAS makes it an upper bound), part of it, none where it writes,
// nothing to record.
enum class DayState { Full, Partly, None, Idle };
DayState StateOf(const DayFigures& day, const DayByDay& days);

// A line per card and a closing line for the whole archive.
QStringList SeasonLines(const Season& season);
// 0 nothing needs a look, 1 a card does, 2 the archive cannot be read.
int SeasonExitCode(const Season& season);

// season.csv: a row per card and day.
QByteArray SeasonTable(const Season& season);
// deployments-table.csv: a row per deployment as camtrapR's cameraOperation takes it.
QByteArray DeploymentTable(const Season& season);
