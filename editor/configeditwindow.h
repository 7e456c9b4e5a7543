#pragma once

#include "app/savefile.h"

#include <QString>
#include <QWidget>
#include <functional>

enum class ConfigField;
struct ConfigSettings;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTimeEdit;
class QVBoxLayout;

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
    // Reads a configuration file into the controls.
    FileResult ReadConfig(const QString& fileName);
    // Reads a configuration file and brings enabled states and read-outs up to date.
    FileResult LoadFile(const QString& fileName);
    // Adds one timer panel to the given column and fills TimerPanels[index].
    void AddTimerPanel(QVBoxLayout* column, int index);

    // Clock-setting files on the card (the card path is a plain prefix).
    void DeleteClockFiles(const QString& cardPath);
    FileResult WriteClockFile(const QString& cardPath);

    // The card path, a plain prefix of the recorder files.
    QString CardPath() const;
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

    // Called with the slot's name at the start of every slot (tests trace the order).
    static std::function<void(const char*)> slotTrace;

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
    QTimeEdit* setTime = nullptr;
    QDateEdit* setDate = nullptr;
    TimerPanel TimerPanels[4]; // one per timer: TimerCount (checked where the form is built)

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
    void ReportCardChanges();
    // A size spin box ("disable" at 0) that refreshes the read-outs, with its caption.
    QSpinBox* AddSizeRow(QGridLayout* grid, int row, ConfigField field, const QString& suffix,
                         const QString& caption, const QString& tip);

    void Trace(const char* slot) const
    {
        if (slotTrace)
            slotTrace(slot);
    }
    void ShowStatus(const QString& text);
    void AfterLoad();
    // Tells the user that a file could not be read or written.
    void WarnFileError(const QString& text);
};
