// RIFF/WAVE headers: "RIFF" size "WAVE", then chunks of a four-letter id, a 32-bit
// little-endian size and the body, padded to an even length.
#include "recorder_files/wavheader.h"

#include <QCoreApplication>
#include <QtEndian>

#include <algorithm>
#include <iterator>

namespace
{

// The texts are written Text::tr("...") so that lupdate finds them.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(WavHeader)
};

quint32 U32(const QByteArray& bytes, qint64 at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

quint16 U16(const QByteArray& bytes, qint64 at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

// The encodings a recorder writes: linear PCM (1), the two logarithmic ones (A-Law 6,
// u-Law 7), ADPCM (MS 2, IMA 0x11), and the extensible form (0xFFFE).
constexpr int KnownFormats[] = {1, 2, 6, 7, 0x11, 0xFFFE};

bool KnownFormat(int tag)
{
    return std::find(std::begin(KnownFormats), std::end(KnownFormats), tag) !=
           std::end(KnownFormats);
}

WavInfo Failed(const QString& error)
{
    WavInfo info;
    info.error = error;
    return info;
}

} // namespace

WavInfo ReadWavHeader(const QByteArray& head, qint64 fileSize)
{
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE")
        return Failed(Text::tr("not a WAV file"));
    WavInfo info;
    bool haveFormat = false;
    // Chunk offsets stay within the bytes read; a size beyond them ends the walk.
    for (qint64 at = 12; at + 8 <= head.size();) {
        const QByteArray id = head.mid(at, 4);
        const qint64 size = U32(head, at + 4);
        const qint64 body = at + 8;
        if (id == "fmt ") {
            if (size < 16 || body + 16 > head.size())
                return Failed(Text::tr("fmt chunk too short"));
            info.formatTag = U16(head, body);
            info.bytesPerSecond = U32(head, body + 8);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat)
                return Failed(Text::tr("data chunk before the fmt chunk"));
            if (!KnownFormat(info.formatTag))
                return Failed(Text::tr("unknown WAV format %1").arg(info.formatTag));
            if (info.bytesPerSecond <= 0)
                return Failed(Text::tr("0 bytes per second in the fmt chunk"));
            info.dataBytes = qBound(qint64(0), fileSize - body, size);
            info.milliseconds = info.dataBytes * 1000 / info.bytesPerSecond;
            info.ok = true;
            return info;
        }
        at = body + size + (size & 1);
    }
    return Failed(
        haveFormat ? Text::tr("no data chunk in the first %1 KiB").arg(WavHeaderReadLimit / 1024)
                   : Text::tr("no fmt chunk in the first %1 KiB").arg(WavHeaderReadLimit / 1024));
}
