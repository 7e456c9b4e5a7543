#include "editor/filestatus.h"

#include "recorder_files/configsettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace
{

// The texts of this file, in the translation context ConfigEditWindow.
struct FormText {
    Q_DECLARE_TR_FUNCTIONS(ConfigEditWindow)
};

QString Shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

bool EndsInSeparator(const QString& path)
{
    return path.endsWith(QLatin1Char('/')) || path.endsWith(QLatin1Char('\\'));
}

QString WithTrailingSeparator(const QString& folder)
{
    if (folder.isEmpty() || EndsInSeparator(folder))
        return folder;
    return folder + QLatin1Char('/');
}

SaveTarget SaveTargetFor(const QString& cardPath, const QString& configName,
                         const QString& clockName, bool writesClock, const QString& workingFolder)
{
    const QDir working(workingFolder);
    SaveTarget target;
    target.files << working.absoluteFilePath(cardPath + configName);
    if (writesClock)
        target.files << working.absoluteFilePath(cardPath + clockName);
    QStringList shown;
    for (const QString& file : std::as_const(target.files))
        shown << Shown(file);
    const QString files = shown.join(QStringLiteral(", "));

    if (cardPath.isEmpty()) {
        target.where = SaveWhere::WorkingFolder;
        target.text =
            FormText::tr("No card path: Save writes into the working folder: %1").arg(files);
        target.question =
            FormText::tr("The card path is empty. Save writes into the working folder:\n"
                         "%1\n\nWrite there?")
                .arg(shown.join(QLatin1Char('\n')));
    } else if (!EndsInSeparator(cardPath) &&
               QFileInfo(working.absoluteFilePath(cardPath)).isDir()) {
        target.where = SaveWhere::BesideFolder;
        target.text =
            FormText::tr("%1 has no separator at the end: Save writes beside the folder, not "
                         "into it: %2")
                .arg(Shown(cardPath), files);
        target.question =
            FormText::tr("The card path %1 names a folder but does not end in a separator, "
                         "so Save writes beside the folder, not into it:\n%2\n\nWrite there?")
                .arg(Shown(cardPath), shown.join(QLatin1Char('\n')));
    } else {
        target.text = FormText::tr("Save writes: %1").arg(files);
    }
    return target;
}

LoadReport LoadReportFor(const QString& fileName, const ConfigReadResult& read)
{
    QStringList notes;
    if (read.linesWithoutEffect > 0)
        notes << FormText::tr("%1 of %2 lines had no effect")
                     .arg(read.linesWithoutEffect)
                     .arg(read.lines);
    switch (read.stop.reason) {
    case ReadStop::EndOfFile:
        break;
    case ReadStop::UnfinishedLine:
        notes << FormText::tr("the last line has no line end and was not read");
        break;
    case ReadStop::ForbiddenByte:
    case ReadStop::LineTooLong:
        notes << FormText::tr("the reading stopped in line %1, the rest was ignored")
                     .arg(read.stop.lineNumber);
        break;
    }
    const qsizetype kept = read.notInFile.size();
    if (kept == 1)
        notes << FormText::tr("1 setting is not in the file and keeps the form's value");
    else if (kept > 1)
        notes
            << FormText::tr("%1 settings are not in the file and keep the form's values").arg(kept);
    LoadReport report;
    report.text = FormText::tr("Loaded file ") + fileName;
    if (!notes.isEmpty()) {
        report.text += QStringLiteral(": ") + notes.join(QStringLiteral("; "));
        report.details = true;
    }
    return report;
}

QString TimerTitles(const QList<int>& timers)
{
    QStringList titles;
    for (int index : timers)
        titles << QString::asprintf(FormText::tr("Timer %d").toUtf8().constData(), index + 1);
    return titles.join(QStringLiteral(", "));
}

QString NotRunTitleSuffix()
{
    return QStringLiteral(" - ") + FormText::tr("not run by the recorder");
}
