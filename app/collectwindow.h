#pragma once

// The window's "Collect recordings...": the archive folder asked with a folder dialog,
// the card's collect run on a worker thread under a progress dialog that can cancel it
// (the files verified so far stay, the one under way is removed), and the result told.

#include "commandline/collectcard.h"

#include <functional>

class QWidget;

// Asks for the archive folder; empty when the user cancels. Tests answer here.
extern std::function<QString(QWidget* parent)> ChooseArchiveFolder;

// Runs the collect of card into archive with a progress dialog over parent, and returns
// when it has ended (the window stays live meanwhile).
CardCollection CollectWithProgress(QWidget* parent, const QString& archive, const QString& card,
                                   CollectOptions options);

// The result as the window tells it: the summary line, then the notes and unreadable files.
QString CollectionText(const CardCollection& collection);

// The whole command: archive folder, collect, result through show (title, text).
void CollectRecordingsOfCard(QWidget* parent, const QString& card,
                             const std::function<void(const QString&, const QString&)>& show);
