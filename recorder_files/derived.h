#pragma once

#include <QLocale>
#include <QString>
#include <cstdint>

// The figures the editor form derives from the recording settings. Plain arithmetic:
// no widgets involved.

struct ByteRateInfo {
    int sampleRate;          // samples per second
    int byteRate;            // bytes per second of the WAV stream
    bool sampleIndexInTable; // false: the sample-rate box must fall back to item 1
    bool modeIndexInTable;   // false: the compression box must fall back to item 1
};

// Sample rate by item index of "sample rate" (the recorder's SampleRates); an index
// beyond them counts as FallbackItem.
int SampleRateForIndex(int index);
// Byte rate from the item indexes of "sample rate" and "wav type" (WavTypes: none =
// 2 x R, u-Law = R, ADPCM = R / 2); a compression index beyond them counts as FallbackItem.
ByteRateInfo ByteRateForIndexes(int sampleIndex, int modeIndex);

// Units of the size spin boxes, in bytes.
constexpr uint32_t KiloByte = 1024;
constexpr uint32_t MegaByte = 1048576;

// Whole seconds of playing time that value x unit bytes hold at byteRate bytes per
// second (a byte rate of 0 counts as 1). Unsigned 32-bit, as the recorder computes.
uint32_t PlaySeconds(int value, uint32_t unit, int byteRate);
// "hh:mm:ss" of PlaySeconds (hours not reduced modulo 24), or zeroText for value 0.
QString PlayTimeText(int value, uint32_t unit, int byteRate, const QString& zeroText);

// Megabytes a timer's write time of minutes produces at byteRate bytes per second.
double FileSizeMegabytes(int minutes, int byteRate);
// That size with two decimals, followed directly by unitText ("0.46Mb").
QString FileSizeText(int minutes, int byteRate, const QString& unitText);

// Bytes of a volume in decimal gigabytes with the given decimals ("14.2"); below 0 is 0.
QString GigabytesText(qint64 bytes, int decimals);
// GigabytesText as locale writes the number ("14,20" in Russian), for the window: the
// program sets the default locale to its translation's.
QString LocaleGigabytes(qint64 bytes, int decimals, QLocale locale = QLocale());
// The free space of the card's volume as the status line and the day strip both give it:
// "0.27 GB".
QString FreeSpaceText(qint64 bytes);
