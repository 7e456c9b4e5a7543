#pragma once

// The header of a recording: how many bytes of sound a WAV file holds and how long they
// play. A plain function over the first bytes of the file; nothing is opened here.

#include <QByteArray>
#include <QString>

// How much of a file is read to find its header: the recorder's files put the "fmt "
// and "data" chunks at the start.
constexpr qint64 WavHeaderReadLimit = 64 * 1024;

struct WavInfo {
    bool ok = false;
    QString error;     // why the header cannot be read ("not a WAV file")
    int formatTag = 0; // 1 PCM, 7 u-Law, 2 and 0x11 ADPCM ...
    qint64 bytesPerSecond = 0;
    qint64 dataBytes = 0;    // sound bytes the file holds: the data chunk, cut to the file
    qint64 milliseconds = 0; // dataBytes played at bytesPerSecond
};

// Reads the RIFF/WAVE header in head (the first bytes of a file of fileSize bytes). A
// data chunk claiming more than the file holds counts the bytes that are there.
WavInfo ReadWavHeader(const QByteArray& head, qint64 fileSize);
