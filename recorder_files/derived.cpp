#include "recorder_files/derived.h"

#include "recorder_files/recorderfields.h"

#include <QCoreApplication>
#include <QLocale>

#include <cstring>

namespace
{

// Bytes per second of one minute, expressed in megabytes: the double whose bit
// pattern is 3F0DFFFFFFE76C8B. It lies a hair below 60 / 1048576, which decides the
// second decimal of some sizes (256 minutes at 16000 bytes/s read 234.37Mb).
double MinuteMegabyteFactor()
{
    const uint64_t bits = 0x3F0DFFFFFFE76C8BULL;
    double factor;
    static_assert(sizeof factor == sizeof bits, "double must be 64 bits");
    std::memcpy(&factor, &bits, sizeof factor);
    return factor;
}

} // namespace

int SampleRateForIndex(int index)
{
    const bool inTable = index >= 0 && index < SampleRateCount;
    return SampleRates[inTable ? index : FallbackItem].samplesPerSecond;
}

ByteRateInfo ByteRateForIndexes(int sampleIndex, int modeIndex)
{
    ByteRateInfo info;
    info.sampleIndexInTable = sampleIndex >= 0 && sampleIndex < SampleRateCount;
    info.sampleRate = SampleRateForIndex(sampleIndex);
    info.modeIndexInTable = modeIndex >= 0 && modeIndex < WavTypeCount;
    const WavTypeSpec& type = WavTypes[info.modeIndexInTable ? modeIndex : FallbackItem];
    info.byteRate = info.sampleRate * type.numerator / type.denominator;
    return info;
}

uint32_t PlaySeconds(int value, uint32_t unit, int byteRate)
{
    const uint32_t divisor = byteRate > 0 ? uint32_t(byteRate) : 1u;
    return uint32_t(value) * unit / divisor;
}

QString PlayTimeText(int value, uint32_t unit, int byteRate, const QString& zeroText)
{
    if (value == 0)
        return zeroText;
    const uint32_t seconds = PlaySeconds(value, unit, byteRate);
    return QString::asprintf("%02d:%02d:%02d", int(seconds / 3600), int(seconds / 60 % 60),
                             int(seconds % 60));
}

double FileSizeMegabytes(int minutes, int byteRate)
{
    const int divisor = byteRate != 0 ? byteRate : 1;
    const int bytesPerSecondTimesMinutes = minutes * divisor;
    return bytesPerSecondTimesMinutes * MinuteMegabyteFactor();
}

QString FileSizeText(int minutes, int byteRate, const QString& unitText)
{
    return QString::asprintf("%0.2f", FileSizeMegabytes(minutes, byteRate)) + unitText;
}

QString GigabytesText(qint64 bytes, int decimals)
{
    return QString::number(double(qMax<qint64>(bytes, 0)) / 1e9, 'f', decimals);
}

QString LocaleGigabytes(qint64 bytes, int decimals, QLocale locale)
{
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(double(qMax<qint64>(bytes, 0)) / 1e9, 'f', decimals);
}

QString FreeSpaceText(qint64 bytes)
{
    // In the window's language: the program sets the default locale to its translation's.
    return QCoreApplication::translate("PlimoAppWindow", "%1 GB").arg(LocaleGigabytes(bytes, 2));
}
