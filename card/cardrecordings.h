#pragma once

#include "card/detachedquestion.h"
#include "recorder_files/cardreport.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

// The recordings on the card, "132 recordings, 41 h 20 min", for the window's card
// read-out. The card is looked through on a thread of its own that nobody waits for
// (like the free space), after the card path has stayed the same for a moment, one
// question at a time; the newest path wins.
class CardRecordingsMonitor : public QObject
{
    Q_OBJECT

public:
    explicit CardRecordingsMonitor(QObject* parent = nullptr);

    void SetCardPath(const QString& cardPath);
    // Counts the card path's recordings again (a card pulled or put in).
    void Refresh() { Settle.start(); }
    QString Text() const { return CurrentText; }

    // The function that looks through the folder (tests replace it).
    std::function<RecordingsSummary(const QString&)> summarise = [](const QString& folder) {
        return SummariseRecordings(folder);
    };

signals:
    void textChanged(const QString& text);

private:
    void Show(const QString& text);

    QString CurrentText;
    NewestQuestion<QString> Recordings; // of the card path's folder, in words
    QTimer Settle;
};

// Asks for the whole report of a card off the window's thread and hands it to show.
class CardReportAsker : public QObject
{
    Q_OBJECT

public:
    explicit CardReportAsker(QObject* parent = nullptr) : QObject(parent), Question(this) {}
    void Ask(const QString& folder, const CardReportOptions& options,
             const std::function<void(const CardReport&)>& show);

private:
    DetachedQuestion Question;
};
