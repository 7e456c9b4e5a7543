#include "editor/formparts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QVBoxLayout>

QVBoxLayout* AddGroupFrame(QWidget* form, QVBoxLayout* column, const QString& title, int titleSpace)
{
    auto* group = new QGroupBox(title, form);
    column->addWidget(group, 0);
    auto* box = new QVBoxLayout(group);
    box->setContentsMargins(6, 6, 6, 6);
    box->setSpacing(4);
    box->addSpacing(titleSpace);
    return box;
}

QGridLayout* AddSettingsGroup(QWidget* form, QVBoxLayout* column, const QString& title)
{
    QVBoxLayout* box = AddGroupFrame(form, column, title, SettingsTitleSpace);
    auto* grid = new QGridLayout();
    box->addLayout(grid);
    return grid;
}

void AddCaptionRow(QGridLayout* grid, int row, QWidget* control, const QString& caption,
                   const QString& tip, int rowStretch, Qt::Alignment controlAlignment,
                   Qt::Alignment captionAlignment)
{
    grid->addWidget(control, row, 0, controlAlignment);
    auto* label = new QLabel(caption, control->parentWidget());
    grid->addWidget(label, row, 1, captionAlignment);
    label->setBuddy(control);
    // A read-out label is read by its own text; the caption names the others.
    if (!qobject_cast<QLabel*>(control))
        control->setAccessibleName(caption.simplified());
    control->setToolTip(tip);
    if (rowStretch != 0)
        grid->setRowStretch(row, rowStretch);
}

QSpinBox* NewFieldSpinBox(QWidget* parent, ConfigField field)
{
    const FieldSpec& row = Field(field);
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QString::fromLatin1(row.objectName));
    spin->setRange(row.minimum, row.maximum);
    spin->setSingleStep(row.step);
    return spin;
}

QSpinBox* AddSpinRow(QGridLayout* grid, int row, ConfigField field, int value,
                     const QString& caption, const QString& tip)
{
    QSpinBox* spin = NewFieldSpinBox(grid->parentWidget(), field);
    spin->setValue(value);
    AddCaptionRow(grid, row, spin, caption, tip, 100);
    return spin;
}

QLabel* NewReadout(QWidget* parent, const char* name)
{
    auto* label = new QLabel(QStringLiteral("?"), parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

void MakeKeyboardButton(QPushButton* button)
{
    // Outside a dialog a push button ignores Return and Enter unless it is auto-default.
    button->setAutoDefault(true);
}

void AddShortcut(QPushButton* button, QKeySequence::StandardKey standard, const QKeySequence& usual)
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(standard);
    if (!keys.contains(usual))
        keys.append(usual);
    // Parented to the button: a hidden or disabled button takes no key either.
    auto* shortcut = new QShortcut(button);
    shortcut->setKeys(keys);
    QObject::connect(shortcut, &QShortcut::activated, button, &QPushButton::click);
}
