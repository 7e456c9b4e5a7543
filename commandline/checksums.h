#pragma once

// SHA256SUMS of a collection folder, in the format `sha256sum -c` reads: "<hex>  <name>"
// a line, names relative to the folder as the system's bytes (as sha256sum writes them,
// UTF-8 or not); a name with a backslash or a line break is escaped and its line starts
// with a backslash.

#include <QByteArray>
#include <QMap>
#include <QString>

// Name (the system's bytes) -> hex digest.
using Checksums = QMap<QByteArray, QByteArray>;

QByteArray ChecksumLines(const Checksums& sums);
Checksums ParseChecksums(const QByteArray& bytes);

// The largest SHA256SUMS or recordings.csv read: a collection of the most files a card
// walk takes, with long names.
constexpr qint64 LargestListFile = qint64(64) << 20;

// The folder's SHA256SUMS (folder ends in "/"); empty when there is none.
Checksums ReadChecksumFile(const QString& folder);

// Adds sums to the folder's SHA256SUMS (folder ends in "/"; the lines already there stay
// while their files do), written safely; empty, or the reason.
QString UpdateChecksumFile(const QString& folder, const Checksums& sums);
