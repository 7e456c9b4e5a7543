// RIFF/WAVE headers: "RIFF" size "WAVE", then chunks of a four-letter id, a 32-bit
// little-endian size and the body, padded to an even length.
#include "recorder_files/wavheader.h"

#include "platform/fileplatform.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <QtEndian>

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
    return Text::tr("format %1").arg(formatTag);
}

namespace
{

// The fmt chunk's fields that tell how fast the sound plays.
struct Format {
    int tag = 0;
    qint64 channels = 0;
    qint64 sampleRate = 0;
    qint64 headerBytesPerSecond = 0;
    qint64 blockAlign = 0;
    qint64 bitsPerSample = 0;
    qint64 samplesPerBlock = 0; // ADPCM, from the fmt chunk's extra bytes; 0 when absent
};

Format ReadFormat(const QByteArray& head, qint64 body, qint64 size)
{
    Format f;
    f.tag = U16(head, body);
    f.channels = U16(head, body + 2);
    f.sampleRate = U32(head, body + 4);
    f.headerBytesPerSecond = U32(head, body + 8);
    f.blockAlign = U16(head, body + 12);
    f.bitsPerSample = U16(head, body + 14);
    if (size >= 20 && body + 20 <= head.size() && (f.tag == 2 || f.tag == 0x11))
        f.samplesPerBlock = U16(head, body + 18);
    return f;
}

// The smallest piece of sound the format stores: bytes holding samples per channel.
struct Block {
    qint64 bytes = 0;
    qint64 samples = 0;
};

// PCM and u-Law/A-Law store whole samples; ADPCM packs a block of samples behind a
// header per channel (4 bytes and one sample for IMA, 7 bytes and two for MS).
Block SoundBlock(const Format& f)
{
    if (f.tag != 2 && f.tag != 0x11)
        return {f.channels * ((f.bitsPerSample + 7) / 8), 1};
    const qint64 header = f.tag == 0x11 ? 4 : 7;
    const qint64 fromHeader = f.tag == 0x11 ? 1 : 2;
    qint64 samples = f.samplesPerBlock;
    if (samples == 0 && f.channels > 0 && f.blockAlign > header * f.channels)
        samples = (f.blockAlign - header * f.channels) * 2 / f.channels + fromHeader;
    return {f.blockAlign, samples};
}

// Why the format gives no playing time; empty when it does.
QString FormatProblem(const Format& f, const Block& block)
{
    if (!KnownFormat(f.tag))
        return Text::tr("unknown WAV format %1").arg(f.tag);
    if (f.sampleRate <= 0)
        return Text::tr("sample rate 0 in the fmt chunk");
    if (f.channels <= 0)
        return Text::tr("0 channels in the fmt chunk");
    // 4-bit samples: no block holds more than two a byte (and those of its header).
    if (block.bytes <= 0 || block.samples <= 0 || block.samples > 2 * block.bytes + 2)
        return Text::tr("%1 block of %2 bytes holds no sound")
            .arg(WavFormatName(f.tag))
            .arg(f.blockAlign);
    if (f.sampleRate * block.bytes / block.samples <= 0)
        return Text::tr("0 bytes per second in the fmt chunk");
    return QString();
}

bool SizeLeftOpen(quint32 size)
{
    return size == 0 || size == 0xFFFFFFFFu;
}

// The sound of the data chunk at body with the size it claims, in a file of fileSize.
WavInfo Measure(const Format& f, const Block& block, const QByteArray& head, qint64 body,
                quint32 claimed, qint64 fileSize)
{
    WavInfo info;
    info.ok = true;
    info.formatTag = f.tag;
    info.sampleRate = f.sampleRate;
    info.headerBytesPerSecond = f.headerBytesPerSecond;
    info.bytesPerSecond = f.sampleRate * block.bytes / block.samples;
    const qint64 there = qMax<qint64>(0, fileSize - body);
    info.unfinished = there > 0 && (SizeLeftOpen(claimed) || SizeLeftOpen(U32(head, 4)));
    info.dataBytes = SizeLeftOpen(claimed) ? there : qMin<qint64>(there, claimed);
    const auto played = [&](qint64 bytes) {
        return bytes * block.samples * 1000 / (block.bytes * f.sampleRate);
    };
    info.milliseconds = played(info.dataBytes);
    info.headerMilliseconds = SizeLeftOpen(claimed) ? info.milliseconds : played(claimed);
    QStringList notes;
    if (info.unfinished)
        notes << Text::tr("unfinished recording (the recorder stopped before closing it)");
    // ADPCM's rate is a fraction: a header rounding it either way is right.
    if (qAbs(f.headerBytesPerSecond - info.bytesPerSecond) > (block.samples > 1 ? 1 : 0))
        notes << Text::tr("header's byte rate %1 does not match %2 Hz %3: counted as %4 B/s")
                     .arg(f.headerBytesPerSecond)
                     .arg(f.sampleRate)
                     .arg(WavFormatName(f.tag))
                     .arg(info.bytesPerSecond);
    info.note = notes.join(QStringLiteral("; "));
    return info;
}

} // namespace

WavInfo ReadWavHeader(const QByteArray& head, qint64 fileSize)
{
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE")
        return Failed(Text::tr("not a WAV file"));
    Format format;
    bool haveFormat = false;
    // Chunk offsets stay within the bytes read; a size beyond them ends the walk.
    for (qint64 at = 12; at + 8 <= head.size();) {
        const QByteArray id = head.mid(at, 4);
        const quint32 size = U32(head, at + 4);
        const qint64 body = at + 8;
        if (id == "fmt ") {
            if (size < 16 || body + 16 > head.size())
                return Failed(Text::tr("fmt chunk too short"));
            format = ReadFormat(head, body, size);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat)
                return Failed(Text::tr("data chunk before the fmt chunk"));
            const Block block = SoundBlock(format);
            if (const QString problem = FormatProblem(format, block); !problem.isEmpty())
                return Failed(problem);
            return Measure(format, block, head, body, size, fileSize);
        }
        at = body + size + (size & 1);
    }
    return Failed(
        haveFormat ? Text::tr("no data chunk in the first %1 KiB").arg(WavHeaderReadLimit / 1024)
                   : Text::tr("no fmt chunk in the first %1 KiB").arg(WavHeaderReadLimit / 1024));
}

WavInfo MeasureWavFile(const QString& fileName, qint64 headBytes)
{
    QFile file(fileName);
    QString reason;
    if (!OpenRegularFileForReading(file, &reason))
        return Failed(reason);
    return MeasureWavFile(file, headBytes);
}

WavInfo MeasureWavFile(QFile& file, qint64 headBytes)
{
    const qint64 size = file.size();
    // The usual header is 44 bytes: more is read only when the chunks before "data" do
    // not fit into the first 4 KiB.
    QByteArray head = file.read(qMin<qint64>(4096, headBytes));
    WavInfo info = ReadWavHeader(head, size);
    if (!info.ok && head.size() == 4096 && headBytes > 4096) {
        head += file.read(headBytes - head.size());
        info = ReadWavHeader(head, size);
    }
    if (file.error() != QFileDevice::NoError)
        return Failed(file.errorString());
    return info;
}
