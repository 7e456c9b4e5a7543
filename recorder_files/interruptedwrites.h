#pragma once

// The temporary files that writes stopped half way (a kill, a power cut, a pulled card)
// left on a card, for its report; the next write of the same file removes them.

#include <QString>
#include <QStringList>

// "left by an interrupted write: config.ini.aBcDeF", one line for each such file beside
// the files named (config.ini, the clock file) in the card folder card (ending in "/").
QStringList InterruptedWriteLines(const QString& card, const QStringList& names);
