#pragma once

// WAV files as a recorder writes them, for the tests of the card report.

#include <QByteArray>
#include <QtEndian>

inline QByteArray Le32(quint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

inline QByteArray Le16(quint16 v)
{
    QByteArray b(2, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

// "RIFF" size "WAVE", a "fmt " chunk of the tag and average bytes per second, extra
// chunks, then "data" claiming claimed bytes (-1: as many as there are) of dataBytes.
inline QByteArray WavBytes(quint16 tag, quint32 bytesPerSecond, int dataBytes,
                           const QByteArray& before = QByteArray(), qint64 claimed = -1)
{
    const QByteArray fmt =
        Le16(tag) + Le16(1) + Le32(8000) + Le32(bytesPerSecond) + Le16(1) + Le16(tag == 1 ? 16 : 8);
    const QByteArray body = "WAVE" + before + "fmt " + Le32(fmt.size()) + fmt + "data" +
                            Le32(quint32(claimed < 0 ? dataBytes : claimed)) +
                            QByteArray(dataBytes, '\x55');
    return "RIFF" + Le32(body.size()) + body;
}
