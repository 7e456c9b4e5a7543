#pragma once

// The window's "Collect recordings...": the archive folder and the choice to clear the
// card asked in one folder dialog, the card's collect run on a worker thread under a
// progress dialog that can cancel it (the files verified so far stay, the one under way
// is removed), and the result told in a dialog that keeps to the screen.

#include "commandline/collectcard.h"

#include <functional>

class QDialog;
class QWidget;

// What the user chose for a collect: the archive folder (empty when cancelled) and
// whether the recordings whose copies are verified leave the card.
struct ArchiveChoice {
    ArchiveChoice(const QString& folder = QString(), bool clear = false)
        : folder(folder), clear(clear)
    {
    }
    QString folder;
    bool clear = false;
};

// Asks for an archive folder (Season... reads one); empty when the user cancels. Tests
// answer here.
extern std::function<QString(QWidget* parent)> ChooseArchiveFolder;

// Asks for the archive folder to collect into, with "Clear the card's recordings once their
// copies are verified" beneath it, unticked each time: a choice that deletes is made each
// time. Tests answer here. Collect recordings... and the Cards view's Collect... both ask it.
extern std::function<ArchiveChoice(QWidget* parent)> ChooseCollectArchive;

// The collect as the window runs it: the preferences' file names, the user's record of
// collections, and the clearing as chosen.
CollectOptions WindowCollectOptions(const ArchiveChoice& choice);

// Runs the collect of card into archive with a progress dialog over parent, and returns
// when it has ended (the window stays live meanwhile).
CardCollection CollectWithProgress(QWidget* parent, const QString& archive, const QString& card,
                                   CollectOptions options);

// What the collect came to in figures, a line each: copied now, already in the archive,
// cleared from the card, kept on it.
QStringList CollectionFigures(const CardCollection& collection);

// The result as the window tells it: the summary line, the figures, then the
// details (notes, unreadable files, recordings kept on the card).
QString CollectionText(const CardCollection& collection);

// The result dialog: the summary and figures at the top, the details in a text that
// scrolls, the OK button always on the screen of parent.
QDialog* NewCollectionDialog(QWidget* parent, const QString& title,
                             const CardCollection& collection);

// The whole command: archive folder, collect, result through show (title, text), or the
// result dialog when show is empty.
void CollectRecordingsOfCard(QWidget* parent, const QString& card,
                             const std::function<void(const QString&, const QString&)>& show);
