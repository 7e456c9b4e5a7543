// The commands that move the configuration between the form and files: the card
// folder, reload, load from, save as, save, and the clock-setting files.
#include "editor/configeditwindow.h"

#include "app/preferences/globals.h"
#include "app/preferences/prefcodec.h"
#include "app/preferences/preferences.h"
#include "card/cardspace.h"
#include "card/cardtarget.h"
#include "commandline/archiveindex.h"
#include "editor/cardpicker.h"
#include "editor/filestatus.h"
#include "platform/savefile.h"
#include "recorder_files/batchwrite.h"
#include "recorder_files/clockfile.h"
#include "recorder_files/configwriter.h"
#include "recorder_files/deployment.h"

#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QStatusBar>
#include <QStorageInfo>
#include <QTimeEdit>

namespace
{

QString ConfigFilter()
{
    return ConfigEditWindow::tr("Config files (*.ini);;All files (*.*)");
}

} // namespace

void ConfigEditWindow::FindConfigFile()
{
    Trace("FindConfigFile");
    QString folder;
    if (chooseFolder) {
        folder = chooseFolder();
    } else {
        QFileDialog dialog(this);
        dialog.setObjectName(QStringLiteral("file dialog"));
        dialog.setModal(true);
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            folder = dialog.selectedFiles().constFirst();
    }
    if (folder.isEmpty())
        return;
    configFilePath->setText(WithTrailingSeparator(folder));
}

void ConfigEditWindow::ChangePath(const QString& path)
{
    Trace("ChangePath");
    SetPrefText(Preferences.SDpath, int(sizeof Preferences.SDpath), path);
    if (const QString why = WhyPathCannotBeStored(path); !why.isEmpty())
        ShowStatus(tr("This card path cannot be kept in the preferences file: %1").arg(why));
    const QFileInfo config(path + PrefText(Preferences.CFGname));
    // Runs on every keystroke: only a complete name of a regular file loads (a pipe
    // named config.ini would wait for a writer), and edits are not replaced unasked
    // (Cancel keeps them and the path as typed).
    if (config.isFile() && MayReplaceEdits())
        LoadAndReport(config.filePath());
}

void ConfigEditWindow::LoadCurrent()
{
    Trace("LoadCurrent");
    ChangePath(configFilePath->text());
}

void ConfigEditWindow::LoadFrom()
{
    Trace("LoadFrom");
    const QString fileName =
        chooseOpenFile
            ? chooseOpenFile(StartDirectory, ConfigFilter())
            : QFileDialog::getOpenFileName(this, QString(), StartDirectory, ConfigFilter());
    if (fileName.isEmpty() || !MayReplaceEdits())
        return;
    const FileResult result = LoadAndReport(fileName);
    if (!result.ok)
        WarnFileError(tr("Cannot read %1:\n%2").arg(fileName, result.error));
}

void ConfigEditWindow::SaveAs()
{
    Trace("SaveAs");
    const QString start = configFilePath->text();
    const QString fileName =
        chooseSaveFile ? chooseSaveFile(start, ConfigFilter())
                       : QFileDialog::getSaveFileName(this, QString(), start, ConfigFilter());
    if (fileName.isEmpty())
        return;
    const FileResult result = WriteConfig(fileName);
    if (!result.ok) {
        WarnFileError(tr("Cannot write %1:\n%2").arg(fileName, result.error));
        return;
    }
    SettingsFile = QFileInfo(fileName).absoluteFilePath();
    ReportSaved({fileName});
}

void ConfigEditWindow::SaveCurrent()
{
    Trace("SaveCurrent");
    if (!ConfirmSaveTarget())
        return;
    const QString card = configFilePath->text();
    const QString configName = card + PrefText(Preferences.CFGname);
    // Names that make the clock files one with config.ini, or a clock the file cannot
    // hold: nothing is written at all.
    QString clash = ClockNameClash(PrefText(Preferences.CFGname), PrefText(Preferences.TimeName),
                                   Preferences.SetTime != 0, Preferences.DelOldTime != 0);
    if (clash.isEmpty() && Preferences.SetTime != 0)
        clash = ClockYearProblem(setDate->date());
    if (!clash.isEmpty()) {
        WarnFileError(tr("Nothing saved: %1").arg(clash));
        return;
    }
    const QString folder = CardFolder(card);
    // Where it goes is known before: a card still holding recordings that were never
    // collected is not set up for the next deployment unasked.
    const auto* picker = findChild<CardPicker*>();
    const CardTarget target = CardTargetOf(folder, picker ? picker->KnownDisks() : nullptr);
    const int uncollected = target.card ? UncollectedRecordings(folder) : -1;
    if (!ConfirmCardReuse(folder, uncollected))
        return;
    const FileResult config = WriteConfig(configName);
    if (!config.ok) {
        // The old clock files stay: the card holds what it held before.
        RecordSave(card, config.error, false, false);
        WarnFileError(tr("Cannot write %1:\n%2")
                          .arg(configName, FullCardReason(config.error, folder,
                                                          FormatConfig(Settings()).size())));
        return;
    }
    QStringList written(configName);
    const ClockUpdateResult clock =
        UpdateClockFiles(card, {PrefText(Preferences.TimeName), Preferences.SetTime != 0,
                                Preferences.DelOldTime != 0, ClockBytes()});
    if (!clock.ok) {
        // config.ini is written; the clock files are left in a state the recorder reads
        // safely (never an old clock file without time.ok).
        RecordSave(card, clock.error, true, !clock.written.isEmpty());
        WarnFileError((clock.removing ? tr("Cannot remove %1:\n%2") : tr("Cannot write %1:\n%2"))
                          .arg(clock.failedFile, clock.error));
        return;
    }
    if (!clock.written.isEmpty())
        written << clock.written;
    // Where it went is said with the save: no card, a card's sub-folder, full soon.
    DeploymentRow row = SaveRow(card, QString(), true, !clock.written.isEmpty());
    row.isCard = CardTargetRecord(target);
    row.uncollected = uncollected;
    ReportSaved(written, CardWriteWarnings(target, row.freeSpaceKnown ? row.daysUntilFull : -1,
                                           CardFullWarningDays(), FreeBytesOfFolder(folder)));
    Record(row);
}

bool ConfigEditWindow::ConfirmCardReuse(const QString& folder, int uncollected)
{
    if (uncollected <= 0)
        return true;
    const auto* picker = findChild<CardPicker*>();
    QString name = picker ? picker->CardOfFolder(folder).label : QString();
    if (name.isEmpty())
        name = QStorageInfo(folder).name();
    if (name.isEmpty())
        name = QDir::toNativeSeparators(folder);
    QMessageBox box(QMessageBox::Warning, tr("Save"),
                    tr("%1 holds %2 recordings that were never collected. Write the new "
                       "configuration anyway?")
                        .arg(name, QString::number(uncollected)),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setObjectName(QStringLiteral("uncollected recordings"));
    box.setDefaultButton(QMessageBox::No); // Enter keeps the recordings' card as it is
    box.exec();
    return box.clickedButton() == box.button(QMessageBox::Yes);
}

DeploymentRow ConfigEditWindow::SaveRow(const QString& card, const QString& error,
                                        bool configWritten, bool clockWritten) const
{
    const ConfigSettings settings = Settings();
    const QDateTime clock(setDate->date(), setTime->time());
    DeploymentRow row = DeploymentRowFor(CardFolder(card), settings,
                                         configWritten ? FormatConfig(settings) : QByteArray(),
                                         clockWritten ? clock : QDateTime(), error);
    row.settingsFile = SettingsFile;
    return row;
}

void ConfigEditWindow::RecordSave(const QString& card, const QString& error, bool configWritten,
                                  bool clockWritten)
{
    Record(SaveRow(card, error, configWritten, clockWritten));
}

void ConfigEditWindow::Record(const DeploymentRow& row)
{
    const QString record = DefaultDeploymentRecord();
    if (const QString why = AppendDeployment(record, row); !why.isEmpty()) {
        // Said, never in the way: the card holds what the save wrote.
        auto* main = qobject_cast<QMainWindow*>(window());
        const QString said = main ? main->statusBar()->currentMessage() : QString();
        ShowStatus((said.isEmpty() ? QString() : said + QStringLiteral(". ")) +
                       tr("Not recorded in %1: %2").arg(record, why),
                   0);
    }
}

FileResult ConfigEditWindow::LoadFile(const QString& fileName, ConfigReadResult* read)
{
    FileResult result = ReadConfig(fileName, read);
    if (result.ok) {
        AfterLoad();
        MarkUnmodified();
        SettingsFile = QFileInfo(fileName).absoluteFilePath();
    }
    return result;
}

void ConfigEditWindow::AfterLoad()
{
    // Check boxes and combo boxes set by the reader emit no click or activation:
    // bring enabled states and read-outs up to date with what was loaded.
    UpdateEnable();
    UpdateInfo(0);
}

void ConfigEditWindow::ShowStatus(const QString& text, int timeout)
{
    if (auto* main = qobject_cast<QMainWindow*>(window()))
        main->statusBar()->showMessage(text, timeout);
}

void ConfigEditWindow::WarnFileError(const QString& text)
{
    if (showWarning)
        showWarning(tr("File error"), text);
    else
        QMessageBox::warning(this, tr("File error"), text);
}

QByteArray ConfigEditWindow::ClockBytes() const
{
    return ClockFileBytes(setDate->date(), setTime->time());
}
