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

// "RIFF" size "WAVE", a mono "fmt " chunk of the tag and average bytes per second, extra
// chunks, then "data" claiming claimed bytes (-1: as many as there are) of dataBytes.
// The sample rate is the one the byte rate stands for (u-Law and A-Law one byte a
// sample, PCM two, ADPCM 8000 Hz in blocks of 256 bytes) unless sampleRate gives a
// rate the header's byte rate then lies about.
inline QByteArray WavBytes(quint16 tag, quint32 bytesPerSecond, int dataBytes,
                           const QByteArray& before = QByteArray(), qint64 claimed = -1,
                           qint64 sampleRate = -1)
{
    const bool adpcm = tag == 2 || tag == 0x11;
    const quint32 rate = sampleRate >= 0 ? quint32(sampleRate)
                         : adpcm         ? 8000
                         : tag == 1      ? bytesPerSecond / 2
                                         : bytesPerSecond;
    QByteArray fmt = Le16(tag) + Le16(1) + Le32(rate) + Le32(bytesPerSecond);
    if (adpcm) // the samples a block holds follow the sample size
        fmt += Le16(256) + Le16(4) + Le16(2) + Le16(tag == 2 ? 500 : 505);
    else
        fmt += Le16(tag == 1 ? 2 : 1) + Le16(tag == 1 ? 16 : 8);
    const QByteArray body = "WAVE" + before + "fmt " + Le32(fmt.size()) + fmt + "data" +
                            Le32(quint32(claimed < 0 ? dataBytes : claimed)) +
                            QByteArray(dataBytes, '\x55');
    return "RIFF" + Le32(body.size()) + body;
}
