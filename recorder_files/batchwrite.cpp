// plimo-configurator --write: one preset, many cards.
#include "recorder_files/batchwrite.h"

#include "common/printable.h"
#include "platform/fileplatform.h"
#include "platform/savefile.h"
#include "recorder_files/clockfile.h"
#include "recorder_files/configcheck.h"
#include "recorder_files/configwriter.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStorageInfo>
#include <QTextStream>

namespace
{

// The texts are written Text::tr("...") so that lupdate finds them.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(BatchWrite)
};

// The safe write's verdict as the rest of this file wants it: empty when the bytes
// were written and read back unchanged, otherwise the reason.
QString SafeWrite(const QString& fileName, const QByteArray& bytes)
{
    const FileResult written = WriteFileSafely(fileName, bytes);
    return written.ok ? QString() : written.error;
}

} // namespace

int FormStartItem(int items)
{
    return items > 1 ? 1 : items - 1;
}

ConfigSettings FormStartSettings(const ComboItems& items)
{
    ConfigSettings settings;
    settings.sampleRate = FormStartItem(items.sampleRates);
    settings.wavType = FormStartItem(items.wavTypes);
    return settings;
}

PresetRead ReadPreset(const QByteArray& bytes, const ComboItems& items)
{
    PresetRead result;
    result.settings = FormStartSettings(items);
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const ConfigReadResult read =
        ReadConfigSettings(buffer, result.settings, items.sampleRates, items.wavTypes);
    result.ok =
        read.stop.reason == ReadStop::EndOfFile && read.lines > 0 && read.linesWithoutEffect == 0;
    result.notInFile = read.notInFile;
    return result;
}

QString CardPathOfFolder(const QString& argument)
{
    if (argument.isEmpty() || argument.endsWith(QLatin1Char('/')))
        return argument;
    return argument + QLatin1Char('/');
}

QFileInfo CardFolderInfo(const QString& folder)
{
    const bool slash = folder.size() > 1 && folder.endsWith(QLatin1Char('/'));
    return QFileInfo(slash ? folder.chopped(1) : folder);
}

QString CardFolderProblem(const QString& folder, bool mustRead)
{
    const QFileInfo where = CardFolderInfo(folder);
    if (folder.isEmpty())
        return Text::tr("empty folder name");
    if (!where.exists())
        return Text::tr("no such folder");
    if (!where.isDir())
        return Text::tr("not a folder");
    if (mustRead && (!where.isReadable() || !where.isExecutable()))
        return Text::tr("the folder cannot be read");
    return QString();
}

QString FullCardReason(const QString& error, const QString& folder, qint64 bytes)
{
    const QStorageInfo volume(CardFolderInfo(folder).absoluteFilePath());
    if (!volume.isValid() || volume.bytesAvailable() >= bytes)
        return error;
    return error + QStringLiteral("; ") + Text::tr("the card is full");
}

CardResult WriteCard(const QString& folder, const QByteArray& config, const BatchOptions& o)
{
    CardResult r;
    r.error = CardFolderProblem(folder, false);
    if (!r.error.isEmpty())
        return r;

    QString error = SafeWrite(folder + o.configName, config);
    if (!error.isEmpty()) {
        // The old clock files stay: the card holds what it held before.
        error = FullCardReason(error, folder, config.size());
        r.error = Text::tr("cannot write %1: %2").arg(o.configName, error);
        return r;
    }
    r.written << o.configName;
    const QDateTime at = o.clock.isValid() ? o.clock : QDateTime::currentDateTime();
    const ClockUpdateResult clock =
        UpdateClockFiles(folder, {o.clockName, o.writeClock, o.deleteOldClock,
                                  ClockFileBytes(at.date(), at.time())});
    if (!clock.ok) {
        const QString name = QFileInfo(clock.failedFile).fileName();
        const QString why =
            clock.removing
                ? clock.error
                : FullCardReason(clock.error, folder, ClockFileBytes(at.date(), at.time()).size());
        r.error = (clock.removing ? Text::tr("%1 written; cannot remove %2: %3")
                                  : Text::tr("%1 written; cannot write %2: %3"))
                      .arg(o.configName, name, why);
        return r;
    }
    if (!clock.written.isEmpty())
        r.written << o.clockName;
    r.ok = true;
    return r;
}

namespace
{

// Prints why the preset is refused: the --check explanation of every line.
void ExplainPreset(const QString& presetName, const QByteArray& bytes, const ComboItems& items,
                   QTextStream& out)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    CheckConfigDevice(buffer, out, items);
    out << Text::tr("nothing written: every line of %1 must take effect")
               .arg(PrintableText(presetName))
        << '\n';
}

bool ReadPresetFile(const QString& presetName, QByteArray* bytes, QTextStream& out)
{
    const QString reason = ReadSmallFile(presetName, MaxConfigFileSize, bytes);
    if (bytes->size() > MaxConfigFileSize) {
        out << Text::tr("%1 is larger than %2 bytes: not a config.ini")
                   .arg(PrintableText(presetName), QString::number(MaxConfigFileSize))
            << '\n';
        return false;
    }
    if (!reason.isEmpty()) {
        out << Text::tr("cannot read %1: %2").arg(PrintableText(presetName), reason) << '\n';
        return false;
    }
    return true;
}

} // namespace

QString WriteOptionsProblem(const BatchOptions& o)
{
    const QString clash = ClockNameClash(o.configName, o.clockName, o.writeClock, o.deleteOldClock);
    if (!clash.isEmpty() || !o.writeClock || !o.clock.isValid())
        return clash;
    return ClockYearProblem(o.clock.date());
}

bool PrepareWrite(const QString& presetName, const ComboItems& items, const BatchOptions& options,
                  QTextStream& out, PreparedWrite* prepared)
{
    QByteArray bytes;
    if (!ReadPresetFile(presetName, &bytes, out))
        return false;
    const PresetRead preset = ReadPreset(bytes, items);
    if (!preset.ok) {
        ExplainPreset(presetName, bytes, items, out);
        return false;
    }
    if (const QString problem = WriteOptionsProblem(options); !problem.isEmpty()) {
        out << Text::tr("nothing written: %1").arg(problem) << '\n';
        return false;
    }
    *prepared = {preset.settings, FormatConfig(preset.settings), options};
    return true;
}

CardWritten WriteOneCard(const QString& folder, const PreparedWrite& prepared)
{
    // The moment of this card's clock, fixed here so that the record holds it.
    BatchOptions options = prepared.options;
    if (!options.clock.isValid())
        options.clock = QDateTime::currentDateTime();
    CardWritten w{folder,
                  WriteCard(folder, prepared.config, options),
                  prepared.settings,
                  prepared.config,
                  QDateTime(),
                  {},
                  {}};
    if (w.result.written.contains(options.clockName))
        w.clock = options.clock;
    if (w.result.ok)
        w.lines << QStringLiteral("OK ") + PrintableText(folder) + QLatin1Char(' ') +
                       PrintableText(w.result.written.join(QLatin1Char(' ')));
    else
        w.lines << QStringLiteral("FAILED ") + PrintableText(folder) + QStringLiteral(": ") +
                       PrintableText(w.result.error);
    return w;
}

int WriteCards(const QString& presetName, const QStringList& cards, const ComboItems& items,
               const BatchOptions& options, QTextStream& out, const CardWriter& writeOne)
{
    PreparedWrite prepared;
    if (!PrepareWrite(presetName, items, options, out, &prepared))
        return 1;
    QHash<QString, QString> done; // canonical folder -> the folder as given
    bool allWritten = true;
    for (const QString& card : cards) {
        const QString folder = CardPathOfFolder(card);
        const QString canonical = QFileInfo(folder).canonicalFilePath();
        if (!canonical.isEmpty() && done.contains(canonical)) {
            // One card named twice (a/, ./a, a link to it) is written once.
            out << "SKIPPED " << PrintableText(folder) << ": "
                << Text::tr("the same folder as %1").arg(PrintableText(done.value(canonical)))
                << '\n';
            out.flush();
            continue;
        }
        const CardWritten written = writeOne(folder, prepared);
        if (!canonical.isEmpty())
            done.insert(canonical, folder);
        allWritten = allWritten && written.result.ok;
        for (const QString& line : written.lines)
            out << line << '\n';
        out.flush();
    }
    return allWritten ? 0 : 2;
}
