// The guard around the form's edits: the modified mark in the window title, the
// question before edits are replaced, where Save writes, and what a load did.
#include "editor/configeditwindow.h"

#include "app/preferences/prefcodec.h"
#include "app/preferences/preferences.h"
#include "editor/cardpicker.h"
#include "editor/filestatus.h"
#include "editor/formparts.h"
#include "recorder_files/configcheck.h"
#include "recorder_files/configwriter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTextStream>
#include <QVBoxLayout>

namespace
{

// The clock option's check box decides, as the preference SetTime follows it.
SaveTarget CurrentSaveTarget(const ConfigEditWindow& form)
{
    return SaveTargetFor(form.CardPath(), PrefText(Preferences.CFGname),
                         PrefText(Preferences.TimeName), form.timeSetEnable->isChecked(),
                         QDir::currentPath());
}

QStatusBar* StatusBarOf(QWidget* form)
{
    auto* main = qobject_cast<QMainWindow*>(form->window());
    return main ? main->statusBar() : nullptr;
}

} // namespace

void ShowTextDialog(QWidget* parent, const QString& title, const QString& text, bool wrap)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(title);
    auto* layout = new QVBoxLayout(&dialog);
    auto* view = new QPlainTextEdit(text, &dialog);
    view->setReadOnly(true);
    // The line-by-line explanation keeps its columns; a report's long lines (the list of
    // recordings) wrap instead of needing a sideways scroll.
    view->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    layout->addWidget(view);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog.resize(720, 420);
    dialog.exec();
}

void ConfigEditWindow::BuildSaveTargetLine(QVBoxLayout* mainLayout)
{
    saveTarget = new QLabel(this);
    saveTarget->setObjectName(QStringLiteral("save target"));
    saveTarget->setTextFormat(Qt::PlainText);
    saveTarget->setTextInteractionFlags(Qt::TextSelectableByMouse);
    saveTarget->setToolTip(tr("The files Save writes"));
    mainLayout->addWidget(saveTarget);
}

void ConfigEditWindow::WatchEdits()
{
    // Any change is compared with what was last loaded or saved, so an edit that is
    // undone by hand clears the mark again.
    for (QSpinBox* spin : findChildren<QSpinBox*>())
        connect(spin, &QSpinBox::valueChanged, this, &ConfigEditWindow::RefreshEditState);
    for (QComboBox* combo : findChildren<QComboBox*>())
        connect(combo, &QComboBox::currentIndexChanged, this, &ConfigEditWindow::RefreshEditState);
    for (QCheckBox* check : findChildren<QCheckBox*>())
        connect(check, &QCheckBox::toggled, this, &ConfigEditWindow::RefreshEditState);
    connect(configFilePath, &QLineEdit::textChanged, this, &ConfigEditWindow::RefreshSaveTarget);
    connect(timeSetEnable, &QCheckBox::toggled, this, &ConfigEditWindow::RefreshSaveTarget);
    MarkUnmodified();
    RefreshSaveTarget();
}

bool ConfigEditWindow::IsModified() const
{
    return Settings() != Baseline;
}

void ConfigEditWindow::MarkUnmodified()
{
    Baseline = Settings();
    RefreshEditState();
}

void ConfigEditWindow::RefreshEditState()
{
    const ConfigSettings settings = Settings();
    window()->setWindowModified(settings != Baseline);
    const QList<int> notRun = TimersNotRun(settings);
    const QString suffix = NotRunTitleSuffix();
    for (int i = 0; i < TimerCount; ++i) {
        auto* group = qobject_cast<QGroupBox*>(TimerPanels[i].timerEnable->parentWidget());
        if (!group)
            continue;
        QString title = group->title();
        if (title.endsWith(suffix))
            title.chop(suffix.size());
        group->setTitle(notRun.contains(i) ? title + suffix : title);
    }
}

void ConfigEditWindow::RefreshSaveTarget()
{
    saveTarget->setText(CurrentSaveTarget(*this).text);
}

bool ConfigEditWindow::MayReplaceEdits()
{
    if (!IsModified())
        return true;
    const QString text = tr("The form has changes that are not saved.") + QStringLiteral("\n\n") +
                         CurrentSaveTarget(*this).text;
    UnsavedAnswer answer = UnsavedAnswer::Cancel;
    if (askUnsaved) {
        answer = askUnsaved(text);
    } else {
        const auto button = QMessageBox::warning(
            this, tr("Unsaved changes"), text,
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
        answer = button == QMessageBox::Save      ? UnsavedAnswer::Save
                 : button == QMessageBox::Discard ? UnsavedAnswer::Discard
                                                  : UnsavedAnswer::Cancel;
    }
    if (answer == UnsavedAnswer::Save) {
        SaveCurrent();
        return !IsModified(); // a save that failed or was not confirmed keeps the edits
    }
    return answer == UnsavedAnswer::Discard;
}

bool ConfigEditWindow::ConfirmSaveTarget()
{
    const QString card = CardPath();
    SaveTarget target = CurrentSaveTarget(*this);
    const auto* picker = findChild<CardPicker*>();
    const QString removed = picker ? picker->RemovedCard() : QString();
    if (!removed.isEmpty()) {
        // Asked at every Save while the card is away: what is left is the computer's disk.
        target.question = tr("%1 was removed: %2 now points at the computer's disk.\n\n"
                             "Write there?")
                              .arg(removed, QDir::toNativeSeparators(card));
        ConfirmedTarget.clear();
    }
    if (target.question.isEmpty() || card == ConfirmedTarget)
        return true;
    const bool confirmed = confirmSaveTarget
                               ? confirmSaveTarget(target.question)
                               // Enter must not write to the unusual place: No is the default.
                               : QMessageBox::question(this, tr("Save"), target.question,
                                                       QMessageBox::Yes | QMessageBox::No,
                                                       QMessageBox::No) == QMessageBox::Yes;
    if (confirmed && removed.isEmpty())
        ConfirmedTarget = card;
    return confirmed;
}

void ConfigEditWindow::ReportSaved(const QStringList& written, const QStringList& warnings)
{
    MarkUnmodified();
    if (onSaved)
        onSaved();
    QString saved = tr("Saved and verified: ") + written.join(QStringLiteral(", "));
    if (!warnings.isEmpty())
        saved += QStringLiteral(". ") + tr("Warning: %1").arg(warnings.join(QStringLiteral("; ")));
    const QList<int> notRun = TimersNotRun(Settings());
    // A save result stays until the next action, like the load report: one card among
    // many is easily looked at later than two seconds after.
    if (notRun.isEmpty()) {
        ShowStatus(saved, 0);
        return;
    }
    ShowStatus(saved + QStringLiteral(". ") +
                   tr("Not run by the recorder: %1 (day, month, hour and minute are all "
                      "\"allways\")")
                       .arg(TimerTitles(notRun)),
               0);
}

FileResult ConfigEditWindow::LoadAndReport(const QString& fileName)
{
    ConfigReadResult read;
    FileResult result = LoadFile(fileName, &read);
    if (result.ok)
        ShowLoadReport(fileName, read);
    else
        ShowStatus(tr("Cannot read file ") + fileName, 0);
    return result;
}

void ConfigEditWindow::ShowLoadReport(const QString& fileName, const ConfigReadResult& read)
{
    const LoadReport report = LoadReportFor(fileName, read);
    DetailsFile = fileName;
    DetailsKept = read.notInFile;
    ReportText = report.details ? report.text : QString();
    if (QPushButton* details = DetailsButton())
        details->setVisible(report.details);
    ShowStatus(report.text, 0);
}

QPushButton* ConfigEditWindow::DetailsButton()
{
    QStatusBar* bar = StatusBarOf(this);
    if (!bar)
        return nullptr;
    if (auto* details = bar->findChild<QPushButton*>(QStringLiteral("load details")))
        return details;
    auto* details = new QPushButton(tr("Details..."), bar);
    details->setObjectName(QStringLiteral("load details"));
    details->setToolTip(tr("How the recorder reads each line of the loaded file"));
    bar->insertPermanentWidget(0, details);
    connect(details, &QPushButton::clicked, this, &ConfigEditWindow::ShowDetails);
    // The button belongs to the report: it goes when another message replaces it.
    connect(bar, &QStatusBar::messageChanged, details, [this, details](const QString& message) {
        details->setVisible(!ReportText.isEmpty() && message == ReportText);
    });
    return details;
}

void ConfigEditWindow::ShowDetails()
{
    QString text;
    QTextStream out(&text);
    // The status line's report first, whole: the line may show it cut short.
    if (!ReportText.isEmpty())
        out << ReportText << "\n\n";
    CheckConfigFile(DetailsFile, out, {sampleRate->count(), wavType->count()});
    if (!DetailsKept.isEmpty())
        out << '\n' << DescribeNotInFile(DetailsKept);
    out.flush();
    const QString title = tr("How the recorder reads %1").arg(DetailsFile);
    if (showDetails)
        showDetails(title, text);
    else
        ShowTextDialog(this, title, text);
}
