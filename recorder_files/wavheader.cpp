// RIFF/WAVE headers: "RIFF" size "WAVE", then chunks of a four-letter id, a 32-bit
// little-endian size and the body, padded to an even length.
#include "recorder_files/wavheader.h"

#include <QCoreApplication>
#include <QtEndian>

namespace
{

QString Tr(const char* text)
{
    return QCoreApplication::translate("WavHeader", text);
}

quint32 U32(const QByteArray& bytes, qint64 at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

quint16 U16(const QByteArray& bytes, qint64 at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

struct FormatTag {
    int tag;
    const char* name;
};
// The encodings a recorder writes: linear PCM, the two logarithmic ones, and ADPCM.
constexpr FormatTag KnownFormats[] = {{1, "PCM"},   {2, "MS ADPCM"},     {6, "A-Law"},
                                      {7, "u-Law"}, {0x11, "IMA ADPCM"}, {0xFFFE, "extensible"}};

bool KnownFormat(int tag)
{
    for (const FormatTag& f : KnownFormats) {
        if (f.tag == tag)
            return true;
    }
    return false;
}

WavInfo Failed(const QString& error)
{
    WavInfo info;
    info.error = error;
    return info;
}

} // namespace

QString WavFormatName(int formatTag)
{
    for (const FormatTag& f : KnownFormats) {
        if (f.tag == formatTag)
            return QString::fromLatin1(f.name);
    }
    return Tr("format %1").arg(formatTag);
}

WavInfo ReadWavHeader(const QByteArray& head, qint64 fileSize)
{
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE")
        return Failed(Tr("not a WAV file"));
    WavInfo info;
    bool haveFormat = false;
    // Chunk offsets stay within the bytes read; a size beyond them ends the walk.
    for (qint64 at = 12; at + 8 <= head.size();) {
        const QByteArray id = head.mid(at, 4);
        const qint64 size = U32(head, at + 4);
        const qint64 body = at + 8;
        if (id == "fmt ") {
            if (size < 16 || body + 16 > head.size())
                return Failed(Tr("fmt chunk too short"));
            info.formatTag = U16(head, body);
            info.bytesPerSecond = U32(head, body + 8);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat)
                return Failed(Tr("data chunk before the fmt chunk"));
            if (!KnownFormat(info.formatTag))
                return Failed(Tr("unknown WAV format %1").arg(info.formatTag));
            if (info.bytesPerSecond <= 0)
                return Failed(Tr("0 bytes per second in the fmt chunk"));
            info.dataBytes = qBound(qint64(0), fileSize - body, size);
            info.milliseconds = info.dataBytes * 1000 / info.bytesPerSecond;
            info.ok = true;
            return info;
        }
        at = body + size + (size & 1);
    }
    return Failed(haveFormat
                      ? Tr("no data chunk in the first %1 KiB").arg(WavHeaderReadLimit / 1024)
                      : Tr("no fmt chunk in the first %1 KiB").arg(WavHeaderReadLimit / 1024));
}
