#include "editor/formparts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QStyleOption>
#include <QStylePainter>
#include <QVBoxLayout>

namespace
{

// A group box that repaints below its title without laying the title's text out again.
// A child that is not opaque (a read-out whose text changes) has the group box paint
// beneath it; the style works out where the title goes on every paint, and that text
// layout costs more than the rest of the repaint. Where the title and the frame go is
// kept per size, title, font, alignment, direction and style, worked out at the first
// paint below the top edge; a paint that misses the title draws the frame alone, the
// same pixels the whole group box would give there.
class FormGroupBox : public QGroupBox
{
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QStyleOptionGroupBox option;
        initStyleOption(&option);
        QStylePainter painter(this);
        if (!TitleMissedBy(option, event->region())) {
            painter.drawComplexControl(QStyle::CC_GroupBox, option);
            return;
        }
        QStyleOptionFrame frame;
        frame.QStyleOption::operator=(option);
        frame.features = option.features;
        frame.lineWidth = option.lineWidth;
        frame.midLineWidth = option.midLineWidth;
        frame.rect = Places.frame;
        painter.drawPrimitive(QStyle::PE_FrameGroupBox, frame);
    }

private:
    struct Placement {
        QSize size;
        QString title;
        QFont font;
        Qt::Alignment alignment;
        Qt::LayoutDirection direction = Qt::LeftToRight;
        const QStyle* style = nullptr;
        QRect titleArea;
        QRect frame;
    } Places;

    bool TitleMissedBy(const QStyleOptionGroupBox& option, const QRegion& region)
    {
        // A whole paint (the top edge is in it) draws it all: nothing to work out.
        if (isCheckable() || (option.subControls & QStyle::SC_GroupBoxFrame) == 0 ||
            region.boundingRect().top() <= 0)
            return false;
        if (Places.size != size() || Places.title != title() || Places.font != font() ||
            Places.alignment != alignment() || Places.direction != layoutDirection() ||
            Places.style != style()) {
            Places = {size(),
                      title(),
                      font(),
                      alignment(),
                      layoutDirection(),
                      style(),
                      style()->subControlRect(QStyle::CC_GroupBox, &option,
                                              QStyle::SC_GroupBoxLabel, this),
                      style()->subControlRect(QStyle::CC_GroupBox, &option,
                                              QStyle::SC_GroupBoxFrame, this)};
        }
        return !region.intersects(Places.titleArea);
    }
};

} // namespace

QVBoxLayout* AddGroupFrame(QWidget* form, QVBoxLayout* column, const QString& title, int titleSpace)
{
    auto* group = new FormGroupBox(title, form);
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

ClockTimeEdit::ClockTimeEdit(QWidget* parent) : QTimeEdit(parent)
{
    lineEdit()->setAutoFillBackground(true);
}

void ClockTimeEdit::Follow(const QTime& time)
{
    const StepEnabled arrows = stepEnabled();
    // Setting the value asks for a paint of the whole editor, which, as the editor is not
    // opaque, paints everything beneath it too; the text field asks for its own paint.
    setAttribute(Qt::WA_UpdatesDisabled, true);
    setTime(time);
    setAttribute(Qt::WA_UpdatesDisabled, false);
    if (stepEnabled() != arrows)
        update();
}
