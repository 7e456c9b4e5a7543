#pragma once

// What the user's record of collections (collections.csv) says the archive holds: the
// recordings each collection folder's recordings.csv lists, by card path, size and file
// time. Read, never hashed: cheap enough to ask before every card write. Qt Core only.

#include <QString>

// collections.csv beside deployments.csv, in the user's data folder.
QString DefaultCollectionRecord();

// How many recordings (*.wav files) in the card folder no collection folder named in the
// record holds by card path, size and file time (to the second). A record or a folder
// that cannot be read holds nothing. -1 when the card folder cannot be listed.
int UncollectedRecordings(const QString& card, const QString& record = DefaultCollectionRecord());
