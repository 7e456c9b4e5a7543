#pragma once

// The header of a recording: how many bytes of sound a WAV file holds and how long they
// play. The playing time comes from the sound's own format (sample rate, channels,
// sample size, ADPCM block), never from the header's average byte rate, which a
// recorder may leave wrong.

#include <QByteArray>
#include <QString>

class QFile;

// How much of a file is read to find its header: the recorder's files put the "fmt "
// and "data" chunks at the start.
constexpr qint64 WavHeaderReadLimit = 64 * 1024;

struct WavInfo {
    bool ok = false;
    QString error;     // why the header cannot be read ("not a WAV file")
    int formatTag = 0; // 1 PCM, 7 u-Law, 2 and 0x11 ADPCM ...
    qint64 sampleRate = 0;
    qint64 bytesPerSecond = 0;       // worked out from the format; never 0 when ok
    qint64 headerBytesPerSecond = 0; // what the fmt chunk claims
    qint64 dataBytes = 0;            // sound bytes the file holds: the data chunk, cut to the file
    qint64 milliseconds = 0;         // dataBytes played at the format's rate
    // What the data chunk's size claims, played at the same rate: more than milliseconds
    // when the file holds less sound than its header says.
    qint64 headerMilliseconds = 0;
    // A data or RIFF size of 0 or 0xFFFFFFFF with sound after the header: the recorder
    // stopped before closing the file; dataBytes counts what is there.
    bool unfinished = false;
    // What the file's header says wrongly, for the user ("header's byte rate 1 does not
    // match 8000 Hz u-Law: counted as 8000 B/s"); empty when nothing.
    QString note;
};

// Reads the RIFF/WAVE header in head (the first bytes of a file of fileSize bytes). A
// data chunk claiming more than the file holds counts the bytes that are there.
WavInfo ReadWavHeader(const QByteArray& head, qint64 fileSize);

// A recording's measured playing time: opens fileName (a regular file only, never a
// pipe), reads at most headBytes of its head and reads the header from them. The one
// reading of a WAV file that every count of recordings uses. error holds the system's
// reason when the file cannot be opened or read.
WavInfo MeasureWavFile(const QString& fileName, qint64 headBytes = WavHeaderReadLimit);
// The same over a file already open for reading (one whose name Qt cannot give).
WavInfo MeasureWavFile(QFile& file, qint64 headBytes = WavHeaderReadLimit);

// The name of a WAV format tag as a user knows it ("PCM", "u-Law", "IMA ADPCM").
QString WavFormatName(int formatTag);
