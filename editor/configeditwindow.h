#pragma once

#include "editor/formparts.h"
#include "platform/savefile.h"
#include "recorder_files/configsettings.h"

#include <QDateTime>
#include <QString>
#include <QWidget>
#include <functional>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTimeEdit;
class QTimer;
class QVBoxLayout;
struct DeploymentRow;

// The controls of one "Timer %d" panel. The form owns them through Qt's parent tree.
struct TimerPanel {
    QSpinBox* month = nullptr;
    QSpinBox* day = nullptr;
    QSpinBox* hour = nullptr;
    QSpinBox* minut = nullptr;
    QSpinBox* lenght = nullptr;
    QLabel* fileSize = nullptr;
    QCheckBox* timerEnable = nullptr;
};

// The editor form: the recorder configuration lives only in its controls.
class ConfigEditWindow : public QWidget
{
    Q_OBJECT

public:
    ConfigEditWindow(QWidget* parent, const char* name);

    // Writes the whole configuration file from the controls.
    FileResult WriteConfig(const QString& fileName);
    // The recorder configuration the controls hold, as the writer sees it.
    ConfigSettings Settings() const;
    // Reads a configuration file into the controls; read, when given, receives how the
    // lines were taken.
    FileResult ReadConfig(const QString& fileName, ConfigReadResult* read = nullptr);
    // Reads a configuration file and brings enabled states and read-outs up to date.
    FileResult LoadFile(const QString& fileName, ConfigReadResult* read = nullptr);
    // LoadFile, then says in the status line what was loaded and what had no effect, or
    // that the file cannot be read.
    FileResult LoadAndReport(const QString& fileName);

    // True while the form differs from what was last loaded or saved. The clock fields
    // follow the computer's clock and do not count.
    bool IsModified() const;
    // Asks before the form's edits are replaced or dropped: Save (as "save" does),
    // Discard or Cancel. True when the caller may go on; nothing is asked when the
    // form holds no edits.
    bool MayReplaceEdits();
    // Adds one timer panel to the given column and fills TimerPanels[index].
    void AddTimerPanel(QVBoxLayout* column, int index);

    // The clock-setting file of the set date and time.
    QByteArray ClockBytes() const;

    // The card path, a plain prefix of the recorder files.
    QString CardPath() const;
    // The file last loaded or saved as, absolute; empty when none.
    QString SettingsFileName() const { return SettingsFile; }
    // Bytes per second of the WAV stream the current sample rate and compression give.
    int ByteRate() const;
    // Called whenever the card path, the sample rate or the compression changes, by the
    // user or by a loaded file.
    std::function<void()> onCardChanged;

    // Seams for the dialogs, replaced by tests. Each returns an empty string when
    // the user cancels.
    std::function<QString()> chooseFolder;
    std::function<QString(const QString& startDir, const QString& filter)> chooseOpenFile;
    std::function<QString(const QString& startDir, const QString& filter)> chooseSaveFile;
    // Shows a warning dialog; WarnFileError goes through it.
    std::function<void(const QString& title, const QString& text)> showWarning;
    enum class UnsavedAnswer { Save, Discard, Cancel };
    // Asks what to do with edits that are not saved.
    std::function<UnsavedAnswer(const QString& text)> askUnsaved;
    // Asks whether Save may write to an unusual place (the working folder, beside a
    // folder); true to write.
    std::function<bool(const QString& text)> confirmSaveTarget;
    // Shows the line-by-line explanation of a loaded file.
    std::function<void(const QString& title, const QString& text)> showDetails;

    // Called after a save to the card or to any file wrote its files.
    std::function<void()> onSaved;

    // Called with the slot's name at the start of every slot (tests trace the order).
    static std::function<void(const char*)> slotTrace;
    // The computer's clock as the clock fields follow it (screenshots fix it).
    static std::function<QDateTime()> clockNow;

    // Controls, in declaration order.
    QLineEdit* configFilePath = nullptr;
    QComboBox* wavType = nullptr;
    QComboBox* sampleRate = nullptr;
    QLabel* bitRate = nullptr;
    QCheckBox* vasEnable = nullptr;
    QSpinBox* vasOnLevel = nullptr;
    QSpinBox* vasOnTime = nullptr;
    QSpinBox* vasOffLevel = nullptr;
    QSpinBox* vasOffTime = nullptr;
    QSpinBox* limitMin = nullptr;
    QLabel* limitMinTime = nullptr;
    QSpinBox* limitMax = nullptr;
    QLabel* limitMaxTime = nullptr;
    QSpinBox* loopSize = nullptr;
    QLabel* loopTime = nullptr;
    QCheckBox* timersEnable = nullptr;
    QCheckBox* enableToolTip = nullptr;
    QCheckBox* timeSetEnable = nullptr;
    QCheckBox* deleteOldTime = nullptr;
    QCheckBox* manualTimeEnable = nullptr;
    ClockTimeEdit* setTime = nullptr;
    QDateEdit* setDate = nullptr;
    QLabel* saveTarget = nullptr; // "Save writes: ..."
    TimerPanel TimerPanels[4];    // one per timer: TimerCount (checked where the form is built)

private slots:
    void LoadCurrent();
    void SaveCurrent();
    void SaveAs();
    void LoadFrom();
    void FindConfigFile();
    void UpdateEnable();
    void UpdateInfo(int);
    void ChangePath(const QString& path);
    void UpdateConfig(int);
    void Periodic();
    void About();

private:
    struct Columns {
        QVBoxLayout* first;
        QVBoxLayout* second;
        QVBoxLayout* third;
    };
    // The builders of the constructor, in the order the widgets are created (which is
    // the keyboard focus order).
    QVBoxLayout* BuildMainLayout();
    void BuildPathRow(QVBoxLayout* mainLayout);
    void BuildSaveTargetLine(QVBoxLayout* mainLayout);
    Columns BuildColumns(QVBoxLayout* mainLayout);
    void BuildFormatGroup(QVBoxLayout* column);
    void BuildVasGroup(QVBoxLayout* column);
    void BuildClockGroup(QVBoxLayout* column);
    void BuildTimersSwitch(QVBoxLayout* column);
    void BuildLoopGroup(QVBoxLayout* column);
    void BuildLimitGroup(QVBoxLayout* column);
    void BuildButtonBar(QVBoxLayout* mainLayout);
    void AddFileButtons(QGroupBox* bar, QHBoxLayout* buttons);
    void StartClock();
    // Wakes the clock just after the next whole second, unless the window is hidden or
    // minimised.
    void ScheduleTick(const QTime& now);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void ReportCardChanges();
    // Keeps the modified mark, the not-run timers and "Save writes" up to date.
    void WatchEdits();
    // A size spin box ("disable" at 0) that refreshes the read-outs, with its caption.
    QSpinBox* AddSizeRow(QGridLayout* grid, int row, ConfigField field, const QString& suffix,
                         const QString& caption, const QString& tip);

    void Trace(const char* slot) const
    {
        if (slotTrace)
            slotTrace(slot);
    }
    void ShowStatus(const QString& text, int timeout = 2000);
    void AfterLoad();
    // The form now holds what is on disk.
    void MarkUnmodified();
    void RefreshEditState();
    void RefreshSaveTarget();
    // Asks once for each unusual place Save would write to; true to write.
    bool ConfirmSaveTarget();
    // Asks before a card holding uncollected recordings (that many) gets a new
    // configuration; true to write. No, the default, writes nothing.
    bool ConfirmCardReuse(const QString& folder, int uncollected);
    // "Saved and verified", and which timers the recorder will not run.
    // warnings: what is wrong with where it went (not a card, full soon), said after.
    void ReportSaved(const QStringList& written, const QStringList& warnings = {});
    // Appends the save to the record of card writes; a record that cannot be written is
    // said in the status line.
    void RecordSave(const QString& card, const QString& error, bool configWritten,
                    bool clockWritten);
    DeploymentRow SaveRow(const QString& card, const QString& error, bool configWritten,
                          bool clockWritten) const;
    void Record(const DeploymentRow& row);
    // The clock editors on now, unless the time is set by hand.
    void FollowComputerClock(const QDateTime& now);
    void ShowLoadReport(const QString& fileName, const ConfigReadResult& read);
    void ShowDetails();
    QPushButton* DetailsButton();
    // Tells the user that a file could not be read or written.
    void WarnFileError(const QString& text);

    ConfigSettings Baseline;             // what was last loaded or saved
    QTimer* Clock = nullptr;             // single shot, one second at a time
    bool ClockPaused = false;            // the window is hidden or minimised
    QString ConfirmedTarget;             // the unusual Save target the user has agreed to
    QString DetailsFile;                 // the file the load report's details explain
    QList<ConfigAssignment> DetailsKept; // the settings that file does not hold
    QString ReportText;                  // the load report while the status line shows it
    QString SettingsFile; // the file last loaded or saved as, for the record of card writes
};
