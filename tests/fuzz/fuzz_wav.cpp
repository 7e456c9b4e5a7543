// libFuzzer target: the first bytes of a recording -> ReadWavHeader. Besides memory
// safety, the reader's promises: a header read counts no more sound than the file
// holds, at a positive rate, and the playing time follows from the two (ADPCM's rate is
// a fraction, which the whole bytes a second round by less than one), for every file size
// up to the largest a file system allows.
// The reader is compiled into this target so that it carries the sanitizers' checks.
#include "recorder_files/wavheader.cpp"

#include <cstdint>
#include <cstdlib>
#include <limits>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > WavHeaderReadLimit + 8)
        return 0;
    // The first 8 bytes give the file's size; the rest are its head.
    quint64 claimed = 0;
    for (size_t i = 0; i < 8 && i < size; ++i)
        claimed = claimed << 8 | data[i];
    const size_t skip = size < 8 ? size : 8;
    const QByteArray head(reinterpret_cast<const char*>(data + skip), qsizetype(size - skip));
    // Any size a file system allows, up to 2^63 - 1 bytes.
    const quint64 room = quint64(std::numeric_limits<qint64>::max() - head.size());
    const qint64 fileSize = head.size() + qint64(claimed % (room + 1));
    const WavInfo info = ReadWavHeader(head, fileSize);
    if (info.ok != info.error.isEmpty())
        abort();
    if (info.ok && (info.bytesPerSecond <= 0 || info.dataBytes < 0 || info.dataBytes > fileSize))
        abort();
    if (!info.ok)
        return 0;
    // Held to WavLongestMilliseconds, which the rounding may reach from just below.
    const __int128 expected = __int128(info.dataBytes) * 1000 / info.bytesPerSecond;
    const __int128 counted = qMin<__int128>(expected, WavLongestMilliseconds);
    const __int128 off = info.milliseconds - counted;
    if (off > expected / info.bytesPerSecond + 1 || -off > expected / info.bytesPerSecond + 1)
        abort();
    return 0;
}
