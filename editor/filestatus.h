#pragma once

// The texts the form shows about its files: where Save writes, what a load did and
// which timers the recorder will not run. Plain functions, without widgets.

#include <QList>
#include <QString>
#include <QStringList>

struct ConfigReadResult;

// Where the card path makes Save write.
enum class SaveWhere {
    AsNamed,       // the path as given: a folder with its separator, or a plain prefix
    WorkingFolder, // the path is empty: the plain names in the working folder
    BesideFolder,  // an existing folder without its separator: the names run on from it
};

// The card path is a plain prefix; "/" and "\\" both end a folder in it.
bool EndsInSeparator(const QString& path);
// A chosen folder as a card path: with its trailing separator, so that the file names
// land inside it. An empty path stays empty (the working folder).
QString WithTrailingSeparator(const QString& folder);

struct SaveTarget {
    SaveWhere where = SaveWhere::AsNamed;
    QStringList files; // full paths: the configuration file, then the clock file
    QString text;      // "Save writes: ...", shown under the path row
    QString question;  // asked before writing to an unusual place; empty for AsNamed
};

// The files Save writes for the card path (a plain prefix of the names). A relative
// path is taken from workingFolder, as the writes will take it.
SaveTarget SaveTargetFor(const QString& cardPath, const QString& configName,
                         const QString& clockName, bool writesClock, const QString& workingFolder);

struct LoadReport {
    // "Loaded file X", with what had no effect and how many settings the file does not
    // hold after a colon
    QString text;
    bool details = false; // any of those: Details tells them
};

LoadReport LoadReportFor(const QString& fileName, const ConfigReadResult& read);

// "Timer 2, Timer 4": the panels' titles for the given timer indexes.
QString TimerTitles(const QList<int>& timers);
// Appended to the title of a panel whose timer the recorder will not run.
QString NotRunTitleSuffix();
