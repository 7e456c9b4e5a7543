#pragma once

// The record of card writes, deployments.csv: one row per card written by Save or by
// --write, so that a user can tell later which card got which configuration and when.
// RFC 4180: comma-separated, fields with commas, quotes or line breaks quoted, quotes
// doubled, rows ended by CR LF; UTF-8; the header row once, at the top.

#include "common/cardidentity.h"
#include "recorder_files/configsettings.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

struct DeploymentRow {
    QDateTime at = QDateTime::currentDateTime(); // when the write ended
    QString error;                               // empty: written and verified
    QString folder;                              // the card folder (or card path) as given
    QString absoluteFolder;                      // the same, absolute, links followed
    QString settingsFile; // the preset written (--write), the file last loaded or saved (window)
    CardIdentity card;    // the volume it is on
    QByteArray config;    // the config.ini written; empty when none was
    QDateTime clock;      // what the clock file holds; invalid when none was written
    int minutesADay = 0;  // of the configuration written
    qint64 bytesADay = 0;
    int daysUntilFull = -1; // from `at`'s date with the card's free space; -1 never
    bool freeSpaceKnown = false;
    QString isCard;       // "yes": the top folder of a card; else why the recorder will not read
                          // the folder ("not a card: ..."); empty when not known
    int uncollected = -1; // recordings on the card no collection holds; -1 not known
};

// The column names, in order.
QByteArray DeploymentHeader();
// One row, CR LF included; its first columns only where a record has fewer (-1: all).
QByteArray DeploymentLine(const DeploymentRow& row, int columns = -1);
// One field, quoted where RFC 4180 wants it; a text a spreadsheet would run as a formula
// (starting with "=", "+", "-" or "@") is given a leading "'".
QByteArray CsvField(const QString& text);
// Fields joined into one row, CR LF included.
QByteArray CsvLine(const QByteArrayList& fields);
// Local time with its offset from UTC: "2026-12-07T16:05:09+01:00", "+00:00" in UTC
// too (Qt would write "Z" there).
QString CsvTimeText(const QDateTime& at);

// folder as an absolute path ending in "/", symbolic links followed where it exists.
QString AbsoluteFolder(const QString& folder);

// The row for a write of settings (as config bytes) to folder: the volume's name and
// serial (card where given, else CardIdentityOf asked), the schedule's daily figures and
// the days until the card is full.
DeploymentRow DeploymentRowFor(const QString& folder, const ConfigSettings& settings,
                               const QByteArray& config, const QDateTime& clock,
                               const QString& error, const CardIdentity* card = nullptr);

// deployments.csv in the user's data folder (QStandardPaths::AppDataLocation).
QString DefaultDeploymentRecord();

// Appends the row, with the header first when the file is new or empty, under a lock that
// makes other writers wait; a record begun by an earlier version gets the columns of its
// header. A file whose first line is no such header is left alone; a write that fails
// half way (a full disk) is cut back, so that the file stays whole rows. Returns the
// reason when the row could not be written; the card write stands either way.
QString AppendDeployment(const QString& fileName, const DeploymentRow& row);

// The fields of each row of RFC 4180 text, the header row included.
QList<QStringList> CsvRows(const QByteArray& text);

// When the record's last good write to the card ended: the newest row with result OK
// whose volume serial and label are the card's (before `before` where valid). Invalid when
// the record cannot be read or does not know the card; a card whose serial is not known is
// never known.
QDateTime LastCardWrite(const QString& recordFile, const CardIdentity& card,
                        const QDateTime& before = QDateTime());

// Appends the row of fields (each CsvField's) to the CSV file under its lock, with header
// (CR LF ended) first when the file is new or empty; a file begun with the first of
// header's columns (by an earlier version) gets the row's first fields as many; a file
// whose first line is no such header is left alone. The reason when it could not.
QString AppendCsvRow(const QString& fileName, const QByteArray& header,
                     const QByteArrayList& fields);
