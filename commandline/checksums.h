#pragma once

// SHA256SUMS of a collection folder, in the format `sha256sum -c` reads: "<hex>  <name>"
// a line, names relative to the folder; a name with a backslash or a line break is
// escaped and its line starts with a backslash.

#include <QByteArray>
#include <QMap>
#include <QString>

// Name -> hex digest.
using Checksums = QMap<QString, QByteArray>;

QByteArray ChecksumLines(const Checksums& sums);
Checksums ParseChecksums(const QByteArray& bytes);

// Adds sums to the folder's SHA256SUMS (the lines already there stay while their files
// do), written safely; empty, or the reason.
QString UpdateChecksumFile(const QString& folder, const Checksums& sums);
