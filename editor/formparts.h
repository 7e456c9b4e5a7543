#pragma once

// The building blocks of the editor form: the frame of a titled group, the rows of a
// settings grid (control in column 0, caption in column 1) and spin boxes of the
// recorder's fields.

#include "recorder_files/recorderfields.h"

#include <QKeySequence>
#include <QTimeEdit>
#include <Qt>

class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QString;
class QVBoxLayout;
class QWidget;

// Room between a group's top and its first row, below the title.
constexpr int SettingsTitleSpace = 14;
constexpr int PanelTitleSpace = 16;

// A group box of the form; it repaints below its title without laying the title out again
// and draws Fusion's frame without stretching its picture.
QGroupBox* NewFormGroupBox(const QString& title, QWidget* parent);
// A titled group box of the form, added to column, with its vertical layout (margin 6,
// spacing 4) that starts with titleSpace pixels of room. Returns that layout; the
// group box is its parent widget.
QVBoxLayout* AddGroupFrame(QWidget* form, QVBoxLayout* column, const QString& title,
                           int titleSpace);
// A settings group: the frame and one grid that grows as rows are placed.
QGridLayout* AddSettingsGroup(QWidget* form, QVBoxLayout* column, const QString& title);

// Places control at (row, 0) of a settings grid and a caption label at (row, 1), gives
// the control its tool tip and the row its stretch (0: left as it is). The caption is
// the control's buddy and the name a screen reader reads for it.
void AddCaptionRow(QGridLayout* grid, int row, QWidget* control, const QString& caption,
                   const QString& tip, int rowStretch = 0, Qt::Alignment controlAlignment = {},
                   Qt::Alignment captionAlignment = {});

// A spin box named after field, with its range and step.
QSpinBox* NewFieldSpinBox(QWidget* parent, ConfigField field);
// A spin box of field at value, placed with its caption in a row of stretch 100.
QSpinBox* AddSpinRow(QGridLayout* grid, int row, ConfigField field, int value,
                     const QString& caption, const QString& tip);

// A read-out label named name, showing "?" until the form fills it.
QLabel* NewReadout(QWidget* parent, const char* name);

// A push button that Return or Enter presses while it has the focus, as in a dialog.
void MakeKeyboardButton(QPushButton* button);
// Keys that press button anywhere in its window: the platform's bindings of standard,
// and usual where the platform has none (some give no key for "Save As").
void AddShortcut(QPushButton* button, QKeySequence::StandardKey standard,
                 const QKeySequence& usual);

// A modal window showing text in a fixed font, read-only, with a Close button.
void ShowTextDialog(QWidget* parent, const QString& title, const QString& text, bool wrap = false);

// The time editor of the clock, which follows the computer's clock second by second.
// Follow() paints only the editor's text again: the frame and arrows stay as they are
// unless the new time changes which arrows can step, and nothing beneath the editor (its
// group, the form, the window) is painted. The text field fills its own background with
// the colour the frame paints there, so it is repainted alone.
class ClockTimeEdit : public QTimeEdit
{
public:
    explicit ClockTimeEdit(QWidget* parent);
    void Follow(const QTime& time);
};
