#include "app/seasonwindow.h"

#include "app/collectwindow.h"
#include "app/preferences/prefcodec.h"
#include "app/preferences/preferences.h"
#include "recorder_files/deployment.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QHelpEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPixmap>
#include <QProgressDialog>
#include <QScrollArea>
#include <QThread>
#include <QToolTip>
#include <QVBoxLayout>

#include <memory>

SeasonView::SeasonView(const Season& season, QWidget* parent)
    : QLabel(parent), TheSeason(season), Picture(DrawSeason(season))
{
    setObjectName(QStringLiteral("season picture"));
    setPixmap(QPixmap::fromImage(Picture.image));
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setCursor(Qt::PointingHandCursor);
}

QString SeasonView::ToolTipAt(const QPoint& point) const
{
    int row = 0;
    QDate day;
    if (!Picture.At(point, int(TheSeason.cards.size()), &row, &day))
        return QString();
    const SeasonCard& card = TheSeason.cards[row];
    if (!day.isValid())
        return tr("%1: click for its report").arg(card.card);
    const QString date = QLocale().toString(day, QLocale::ShortFormat);
    for (const DayFigures& figures : card.days.days) {
        if (figures.date != day)
            continue;
        const QString scheduled = figures.scheduledMinutes < 0
                                      ? tr("schedule not known")
                                      : tr("%1 min scheduled").arg(figures.scheduledMinutes);
        const QString recordings = figures.recordings == 1
                                       ? tr("1 recording")
                                       : tr("%1 recordings").arg(figures.recordings);
        return tr("%1, %2: %3 min recorded, %4, %5")
            .arg(card.card, date, QString::number(figures.RecordedMinutes()), scheduled,
                 recordings);
    }
    return tr("%1, %2: not out").arg(card.card, date);
}

QString SeasonView::CollectionAt(const QPoint& point) const
{
    int row = 0;
    QDate day;
    return Picture.At(point, int(TheSeason.cards.size()), &row, &day)
               ? TheSeason.cards[row].collections.last()
               : QString();
}

bool SeasonView::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QLabel::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const QString text = ToolTipAt(help->pos());
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), text, this);
    return true;
}

void SeasonView::mousePressEvent(QMouseEvent* event)
{
    const QString collection = CollectionAt(event->position().toPoint());
    if (!collection.isEmpty())
        emit cardClicked(collection);
}

Season ReadSeasonWithProgress(QWidget* parent, const QString& archive, const SeasonOptions& options)
{
    QProgressDialog dialog(SeasonView::tr("Reading the season of %1...").arg(archive),
                           SeasonView::tr("Cancel"), 0, 0, parent);
    dialog.setObjectName(QStringLiteral("season progress"));
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setMinimumDuration(0);
    // The worker keeps its result: a cancelled dialog does not wait for it.
    auto result = std::make_shared<Season>();
    QThread* worker =
        QThread::create([result, archive, options] { *result = ReadSeason(archive, options); });
    QEventLoop loop;
    QObject::connect(worker, &QThread::finished, &loop, &QEventLoop::quit);
    QObject::connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    QObject::connect(&dialog, &QProgressDialog::canceled, &loop, &QEventLoop::quit);
    worker->start();
    loop.exec();
    if (dialog.wasCanceled()) {
        Season cancelled;
        cancelled.error = SeasonView::tr("cancelled");
        return cancelled;
    }
    return *result;
}

void ShowSeason(QWidget* parent, const std::function<void(const QString&)>& openReport)
{
    const QString archive = ChooseArchiveFolder(parent);
    if (archive.isEmpty())
        return;
    SeasonOptions options;
    options.configName = PrefText(Preferences.CFGname);
    options.items = PreferenceComboItems();
    options.recordFile = DefaultDeploymentRecord();
    const Season season = ReadSeasonWithProgress(parent, archive, options);
    if (!season.error.isEmpty()) {
        QMessageBox::information(parent, SeasonView::tr("Season"), season.error);
        return;
    }
    auto* dialog = new QDialog(parent);
    dialog->setObjectName(QStringLiteral("season"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(SeasonView::tr("Season of %1").arg(season.archive));
    auto* view = new SeasonView(season);
    QObject::connect(view, &SeasonView::cardClicked, dialog, openReport);
    auto* scroll = new QScrollArea;
    scroll->setWidget(view);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(scroll);
    layout->addWidget(buttons);
    dialog->resize(960, 600);
    dialog->show();
}
