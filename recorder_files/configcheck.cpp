// plimo-configurator --check: the reader's own results, in words.
#include "recorder_files/configcheck.h"

#include "app/preferences/preferences.h"
#include "common/decimal.h"
#include "common/printable.h"
#include "platform/fileplatform.h"
#include "recorder_files/configwriter.h"
#include "recorder_files/schedule.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

namespace
{

// The texts are written Text::tr("...") so that lupdate finds them.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(ConfigCheck)
};

// The "line N: text" heading of a line. Written into the report, it goes there piece by
// piece: the translated pattern is split at its %1 and %2 once a file, and no heading of
// its own is made for each line.
class LineHeading
{
public:
    LineHeading() : pattern(Text::tr("line %1: %2"))
    {
        number = pattern.indexOf(QLatin1String("%1"));
        line = pattern.indexOf(QLatin1String("%2"));
        if (number < 0 || line < number + 2 || pattern.count(QLatin1Char('%')) != 2)
            number = -1; // another order or more placeholders: filled by arg()
    }

    QString text(int lineNumber, const QByteArray& bytes) const
    {
        return pattern.arg(Decimal(lineNumber).text(), PrintableLine(bytes));
    }

    void write(QTextStream& out, int lineNumber, const QByteArray& bytes) const
    {
        if (number < 0) {
            out << text(lineNumber, bytes);
            return;
        }
        const QStringView view(pattern);
        out << view.first(number) << Decimal(lineNumber).text()
            << view.sliced(number + 2, line - number - 2);
        WritePrintableLine(out, bytes);
        out << view.sliced(line + 2);
    }

private:
    const QString pattern;
    qsizetype number = -1;
    qsizetype line = -1;
};

} // namespace

namespace
{

// Whether the file holds a carriage return at all, also beyond where the reading
// stopped (start: where the file begins in device); asked only when the first line was
// too long. A sequential device (a pipe, /dev/zero) may never end and cannot go back:
// there only the bytes the reader took count.
qint64 CarriageReturnsInFile(QIODevice& device, qint64 start, const ConfigReadResult& read)
{
    if (read.stop.reason != ReadStop::LineTooLong || read.carriageReturns > 0 ||
        device.isSequential() || !device.seek(start + read.stop.offset))
        return read.carriageReturns;
    char buffer[16384];
    qint64 got = 0;
    while ((got = device.read(buffer, sizeof buffer)) > 0) {
        if (QByteArrayView(buffer, got).contains('\r'))
            return 1;
    }
    return 0;
}

} // namespace

int CheckConfigDevice(QIODevice& device, QTextStream& out, const ComboItems& items,
                      const FreeSpacePlan& plan, bool explainLines, const ConfigCheckTap& tap)
{
    // Without explainLines, the lines that did not take effect and why the reading
    // stopped follow the verdict, told as line by line.
    QStringList details;
    const LineHeading heading;
    const auto explain = [&](const ConfigLine& line, const ParsedLine& parsed) {
        if (tap.line)
            tap.line(line, parsed);
        if (explainLines) {
            heading.write(out, line.number, line.text);
            out << '\n' << QLatin1String("    ") << ExplainConfigLine(parsed) << '\n';
        } else if (!TookEffect(parsed)) {
            details << heading.text(line.number, line.text)
                    << QStringLiteral("    ") + ExplainConfigLine(parsed);
        }
    };
    const qint64 start = device.pos();
    ConfigSettings settings;
    const ConfigReadResult read =
        ReadConfigSettings(device, settings, items.sampleRates, items.wavTypes, explain);
    if (tap.read)
        *tap.read = read;
    if (read.deviceError) {
        out << Text::tr("cannot read the file: %1").arg(device.errorString()) << '\n';
        out.flush();
        return 2;
    }
    const ReadStopInfo& stop = read.stop;
    const int lines = read.lines;
    const int failed = read.linesWithoutEffect;

    const QStringList why = ExplainReadStop(stop, CarriageReturnsInFile(device, start, read));
    if (!stop.pending.isEmpty()) {
        details << heading.text(stop.lineNumber, stop.pending);
        for (const QString& text : why)
            details << QStringLiteral("    ") + text;
    } else {
        details << why;
    }
    details << DescribeSetAgain(read.setAgain);
    if (explainLines) {
        for (const QString& text : std::as_const(details))
            out << text << '\n';
        details.clear();
    }

    const bool restIgnored =
        stop.reason == ReadStop::ForbiddenByte || stop.reason == ReadStop::LineTooLong;
    const QString count = lines == 1 ? Text::tr("1 line") : Text::tr("%1 lines").arg(lines);
    if (lines == 0 && !restIgnored)
        out << Text::tr("no settings in the file") << '\n';
    else if (failed == 0 && !restIgnored)
        out << Text::tr("every line took effect (%1)").arg(count) << '\n';
    else if (failed == 0)
        out << Text::tr("every line read took effect (%1); the rest of the file was not read")
                   .arg(count)
            << '\n';
    else
        out << Text::tr("%1 of %2 did not take effect").arg(failed).arg(count) << '\n';
    for (const QString& text : std::as_const(details))
        out << text << '\n';
    WriteScheduleSummary(settings, out, plan);
    out.flush();
    // A file that sets nothing (a failed copy, an empty file) is no configuration.
    return lines > 0 && failed == 0 && !restIgnored ? 0 : 1;
}

int CheckConfigDevice(QIODevice& device, QTextStream& out)
{
    return CheckConfigDevice(device, out, PreferenceComboItems());
}

QString ReadSmallFile(const QString& fileName, qint64 limit, QByteArray* bytes)
{
    QFile file(fileName);
    QString reason;
    if (!OpenRegularFileForReading(file, &reason))
        return reason;
    *bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    if (bytes->size() > limit)
        return QCoreApplication::translate("CardText", "larger than %1 bytes").arg(limit);
    return QString();
}

int CheckConfigFile(const QString& fileName, QTextStream& out)
{
    return CheckConfigFile(fileName, out, PreferenceComboItems());
}

int CheckConfigFile(const QString& fileName, QTextStream& out, const ComboItems& items,
                    const FreeSpacePlan& plan)
{
    // At most one byte more than any config.ini: a huge file is refused after that much.
    QByteArray bytes;
    QString error = ReadSmallFile(fileName, MaxConfigFileSize, &bytes);
    if (bytes.size() > MaxConfigFileSize)
        error = Text::tr("larger than %1 bytes, not a config.ini").arg(MaxConfigFileSize);
    if (!error.isEmpty()) {
        out << Text::tr("cannot read %1: %2").arg(fileName, error) << '\n';
        out.flush();
        return 2;
    }
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return CheckConfigDevice(buffer, out, items, plan);
}
