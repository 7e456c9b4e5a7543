#include "editor/formparts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QStyleOption>
#include <QStylePainter>
#include <QVBoxLayout>
#include <algorithm>
#include <cstring>
#include <qdrawutil.h>

namespace
{

// Fusion draws a group box's frame from a small picture with 6-pixel corners, its edges and
// middle stretched over the box. Stretching a picture is the slowest way the raster engine
// draws one: the form's frames cost more than the rest of its first paint and have the
// engine start helper threads. Stretched by Qt once, one pixel each way, the picture gives
// the pixels every larger stretch gives (Fusion's is the same all along its edges and
// middle). That copy's corners, and its edges and middle filled line by line each with its
// one colour, draw the frame of any larger box.
const QString FusionFramePicture =
    QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png");
const QMargins FusionFrameCorners(6, 6, 6, 6);
// Fusion keeps the picture below the title (or below the top edge) by this much more.
constexpr int FusionFrameGap = 3;

// True when each row of the image (32 bits a pixel) is uniform between the left and right
// corners and each column between the top and bottom corners.
bool StretchesLikeRepeats(const QImage& image, const QMargins& corners)
{
    const int left = corners.left();
    const int top = corners.top();
    const int right = image.width() - corners.right();
    const int bottom = image.height() - corners.bottom();
    if (left >= right || top >= bottom)
        return false;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        if (std::find_if(row + left + 1, row + right, [&](QRgb p) { return p != row[left]; }) !=
            row + right)
            return false;
        if (y > top && y < bottom &&
            std::memcmp(row, image.constScanLine(top), size_t(image.bytesPerLine())) != 0)
            return false;
    }
    return true;
}

// Rows that one fill or picture draws at most. Qt's raster engine hands a fill of more rows
// (96 in Qt 6.4) to its pool of threads, in pieces whose hand-over costs far more than they
// do: unbanded, the frames' fills made the first paint switch threads over a thousand times.
constexpr int FrameBand = 64;

// A frame picture that StretchesLikeRepeats, cut into what repeats: each row of its top and
// bottom edges, and its middle, are of one colour, and its sides are the same on every row
// between the corners. A frame of any larger size is then its four corners, a fill a row of
// its edges, and bands of its sides and middle: the pixels of the picture repeated, in a few
// dozen fills and pictures instead of hundreds of pieces of picture.
class RepeatedFrame
{
public:
    RepeatedFrame() = default;
    RepeatedFrame(const QImage& picture, const QMargins& corners)
        : Picture(picture), Corners(corners), Sides(picture.width(), FrameBand, picture.format())
    {
        for (int y = 0; y < picture.height(); ++y) {
            if (y < corners.top() || y >= picture.height() - corners.bottom())
                Rows.append({y, ColourAt(picture, corners.left(), y)});
            else if (y - corners.top() < FrameBand)
                std::memcpy(Sides.scanLine(y - corners.top()), picture.constScanLine(corners.top()),
                            size_t(picture.bytesPerLine()));
        }
        for (int y = picture.height() - corners.top() - corners.bottom(); y < FrameBand; ++y)
            std::memcpy(Sides.scanLine(y), picture.constScanLine(corners.top()),
                        size_t(picture.bytesPerLine()));
        Middle = ColourAt(picture, corners.left(), corners.top());
    }

    bool isNull() const { return Picture.isNull(); }
    QSize size() const { return Picture.size(); }

    void Draw(QPainter& painter, const QRect& area) const
    {
        const QMargins& m = Corners;
        const int right = Picture.width() - m.right();
        const int bottom = Picture.height() - m.bottom();
        const QPoint farCorner(area.width() - Picture.width(), area.height() - Picture.height());
        for (const QRect& corner :
             {QRect(0, 0, m.left(), m.top()), QRect(right, 0, m.right(), m.top()),
              QRect(0, bottom, m.left(), m.bottom()),
              QRect(right, bottom, m.right(), m.bottom())}) {
            const QPoint shift(corner.x() < right ? 0 : farCorner.x(),
                               corner.y() < bottom ? 0 : farCorner.y());
            painter.drawImage(corner.translated(area.topLeft() + shift), Picture, corner);
        }
        const int inner = area.width() - m.left() - m.right();
        for (const Row& row : Rows) {
            const int y = row.y < m.top() ? row.y : row.y + farCorner.y();
            if (row.colour.alpha() != 0)
                painter.fillRect(QRect(area.x() + m.left(), area.y() + y, inner, 1), row.colour);
        }
        for (int y = m.top(); y < area.height() - m.bottom(); y += FrameBand) {
            const int rows = qMin(FrameBand, area.height() - m.bottom() - y);
            painter.drawImage(QRect(area.x(), area.y() + y, m.left(), rows), Sides,
                              QRect(0, 0, m.left(), rows));
            if (Middle.alpha() != 0)
                painter.fillRect(QRect(area.x() + m.left(), area.y() + y, inner, rows), Middle);
            painter.drawImage(QRect(area.right() + 1 - m.right(), area.y() + y, m.right(), rows),
                              Sides, QRect(right, 0, m.right(), rows));
        }
    }

private:
    struct Row {
        int y; // in the picture
        QColor colour;
    };
    QImage Picture;
    QMargins Corners;
    QImage Sides; // the picture's rows between its corners, FrameBand high
    QList<Row> Rows;
    QColor Middle;

    static QColor ColourAt(const QImage& picture, int x, int y)
    {
        return QColor::fromRgba(qUnpremultiply(picture.pixel(x, y)));
    }
};

// Fusion's frame picture stretched by Qt one pixel each way, smoothly or not as the
// painter would, cut into what repeats; null when it does not repeat, or when the fills do
// not give the pixels Qt's repeat of the picture gives. Read with Qt's own PNG reader alone:
// the image-format plugins are not loaded for it.
RepeatedFrame RepeatableFrame(bool smooth)
{
    static RepeatedFrame frames[2];
    static bool tried[2] = {false, false};
    RepeatedFrame& frame = frames[smooth ? 1 : 0];
    if (tried[smooth ? 1 : 0])
        return frame;
    tried[smooth ? 1 : 0] = true;
    QImageReader reader(FusionFramePicture, "png");
    reader.setAutoDetectImageFormat(false);
    const QPixmap picture = QPixmap::fromImage(reader.read());
    QImage stretched(picture.size() + QSize(1, 1), QImage::Format_ARGB32_Premultiplied);
    stretched.fill(Qt::transparent);
    QPainter painter(&stretched);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
    qDrawBorderPixmap(&painter, stretched.rect(), FusionFrameCorners, picture);
    painter.end();
    if (picture.isNull() || !StretchesLikeRepeats(stretched, FusionFrameCorners))
        return frame;
    const RepeatedFrame cut(stretched, FusionFrameCorners);
    // Over a background of the window's colour, at twice the picture's size, the fills must
    // give what Qt's own repeat of the picture gives.
    const QSize trial = stretched.size() * 2;
    QImage repeated(trial, QImage::Format_ARGB32_Premultiplied);
    repeated.fill(QGuiApplication::palette().color(QPalette::Window));
    QImage filled = repeated;
    QPainter byQt(&repeated);
    const QPixmap stretchedPixmap = QPixmap::fromImage(stretched);
    qDrawBorderPixmap(&byQt, repeated.rect(), FusionFrameCorners, stretchedPixmap,
                      stretchedPixmap.rect(), FusionFrameCorners, QTileRules(Qt::RepeatTile));
    byQt.end();
    QPainter byFills(&filled);
    cut.Draw(byFills, filled.rect());
    byFills.end();
    if (filled == repeated)
        frame = cut;
    return frame;
}

// A group box of the form. It draws Fusion's frame itself, repeating the stretched copy
// of the picture (see above); any other style, or a picture that does not repeat, draws
// its own.
//
// It repaints below its title without laying the title's text out again. A child that is
// not opaque (a read-out whose text changes) has the group box paint beneath it; the style
// works out where the title goes on every paint, and that text layout costs more than the
// rest of the repaint. Where the title and the frame go is kept per size, title, font,
// alignment, direction and style, worked out at the first paint below the top edge; a paint
// that misses the title draws the frame alone, the same pixels the whole group box would give
// there.
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
        const bool framed = (option.subControls & QStyle::SC_GroupBoxFrame) != 0;
        const bool ownFrame = framed && !isCheckable() && DrawFusionFrame(painter, option);
        if (ownFrame)
            option.subControls &= ~QStyle::SC_GroupBoxFrame;
        if (!framed || !TitleMissedBy(option, event->region())) {
            painter.drawComplexControl(QStyle::CC_GroupBox, option);
            return;
        }
        if (ownFrame)
            return;
        QStyleOptionFrame frame;
        frame.QStyleOption::operator=(option);
        frame.features = option.features;
        frame.lineWidth = option.lineWidth;
        frame.midLineWidth = option.midLineWidth;
        frame.rect = Place(option).frame;
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

    const Placement& Place(const QStyleOptionGroupBox& option)
    {
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
        return Places;
    }

    bool TitleMissedBy(const QStyleOptionGroupBox& option, const QRegion& region)
    {
        // A whole paint (the top edge is in it) draws it all.
        if (isCheckable() || region.boundingRect().top() <= 0)
            return false;
        return !region.intersects(Place(option).titleArea);
    }

    // Draws the frame as Fusion would; false, drawing nothing, under another style, on a
    // scaled painter or screen, or when the frame is no larger than the picture (Fusion draws
    // that unstretched).
    bool DrawFusionFrame(QPainter& painter, const QStyleOptionGroupBox& option)
    {
        if (style()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0 ||
            painter.device()->devicePixelRatio() != 1 ||
            painter.deviceTransform().type() > QTransform::TxTranslate)
            return false;
        const int top = title().isEmpty()
                            ? FusionFrameGap
                            : qMax(style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight),
                                   option.fontMetrics.height()) +
                                  FusionFrameGap;
        // Where the frame goes takes no text layout: worked out on every paint.
        const QRect area =
            style()
                ->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, this)
                .adjusted(0, top, 0, 0);
        const RepeatedFrame frame =
            RepeatableFrame(painter.testRenderHint(QPainter::SmoothPixmapTransform));
        if (frame.isNull() || area.width() < frame.size().width() ||
            area.height() < frame.size().height())
            return false;
        frame.Draw(painter, area);
        return true;
    }
};

} // namespace

QGroupBox* NewFormGroupBox(const QString& title, QWidget* parent)
{
    return new FormGroupBox(title, parent);
}

QVBoxLayout* AddGroupFrame(QWidget* form, QVBoxLayout* column, const QString& title, int titleSpace)
{
    QGroupBox* group = NewFormGroupBox(title, form);
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
    // Setting the step lays the shown number out again, even to the step it has.
    if (row.step != spin->singleStep())
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
