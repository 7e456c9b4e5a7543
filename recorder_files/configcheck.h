#pragma once

#include <QString>

class QTextStream;

// Explains line by line how the recorder reads a config.ini. Returns 0 when every
// line took effect, 1 when any did not, 2 when the file cannot be read.
int CheckConfigFile(const QString& fileName, QTextStream& out);
