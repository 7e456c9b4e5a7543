#pragma once

#include <QByteArray>
#include <QString>

// Writes bytes to a file through a temporary file that replaces the old one only
// when every byte has reached the disk, so a full or pulled card keeps the old file.
// Returns an empty string on success, otherwise the system's reason.
QString WriteFileSafely(const QString& fileName, const QByteArray& bytes);
