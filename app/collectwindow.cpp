#include "app/collectwindow.h"

#include "app/preferences/prefcodec.h"
#include "app/preferences/preferences.h"
#include "recorder_files/batchwrite.h"

#include "recorder_files/derived.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressDialog>
#include <QScreen>
#include <QStyle>
#include <QThread>

#include <atomic>

namespace
{

struct Text {
    Q_DECLARE_TR_FUNCTIONS(CollectWindow)
};

constexpr int Steps = 1000;

} // namespace

std::function<QString(QWidget*)> ChooseArchiveFolder = [](QWidget* parent) {
    return QFileDialog::getExistingDirectory(parent, Text::tr("Archive folder for the recordings"),
                                             QString(), QFileDialog::ShowDirsOnly);
};

std::function<ArchiveChoice(QWidget*)> ChooseCollectArchive = [](QWidget* parent) {
    // Qt's own folder dialog: the platform's has no room for the check box.
    QFileDialog dialog(parent, Text::tr("Archive folder for the recordings"));
    dialog.setObjectName(QStringLiteral("archive folder"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    auto* clear = new QCheckBox(Text::tr("Clear the card's recordings once their copies are "
                                         "verified"),
                                &dialog);
    clear->setObjectName(QStringLiteral("clear card"));
    clear->setToolTip(Text::tr("Each recording whose copy in the archive is read back and "
                               "matches leaves the card; config.ini, time.ini, other files "
                               "and anything not collected stay"));
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
        grid->addWidget(clear, grid->rowCount(), 0, 1, grid->columnCount());
    ArchiveChoice choice;
    // Taken as the dialog is accepted: what closes it afterwards changes nothing.
    QObject::connect(&dialog, &QFileDialog::accepted, [&] {
        choice = {dialog.selectedFiles().value(0), clear->isChecked()};
    });
    dialog.exec();
    return choice;
};

CollectOptions WindowCollectOptions(const ArchiveChoice& choice)
{
    CollectOptions options;
    options.configName = PrefText(Preferences.CFGname);
    options.clockName = PrefText(Preferences.TimeName);
    options.record = DefaultCollectionRecord();
    options.clear = choice.clear;
    return options;
}

CardCollection CollectWithProgress(QWidget* parent, const QString& archive, const QString& card,
                                   CollectOptions options)
{
    QProgressDialog dialog(
        Text::tr("Collecting the recordings of %1 into %2...").arg(card, archive),
        Text::tr("Cancel"), 0, Steps, parent);
    dialog.setObjectName(QStringLiteral("collect progress"));
    dialog.setWindowTitle(Text::tr("Collect recordings"));
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    dialog.setMinimumDuration(0);
    dialog.setValue(0);
    std::atomic<bool> cancelled{false};
    std::atomic<int> shown{-1};
    QPointer<QProgressDialog> watched(&dialog);
    QObject::connect(&dialog, &QProgressDialog::canceled, [&cancelled] { cancelled = true; });
    // Called on the worker thread: the dialog hears of it on its own.
    options.progress = [&](const CollectProgress& p) {
        const int step = p.totalBytes > 0 ? int(p.bytes * Steps / p.totalBytes) : 0;
        if (shown.exchange(step) != step)
            QMetaObject::invokeMethod(
                &dialog,
                [watched, step] {
                    if (watched)
                        watched->setValue(step);
                },
                Qt::QueuedConnection);
        return !cancelled.load();
    };
    // The disk service's answer lives on this thread.
    options.identity = CardIdentityOf(CardPathOfFolder(card));
    CardCollection result;
    QThread* worker = QThread::create([&] { result = CollectCard(archive, card, options); });
    QEventLoop loop;
    QObject::connect(worker, &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    loop.exec();
    worker->wait();
    delete worker;
    return result;
}

QStringList CollectionFigures(const CardCollection& c)
{
    const auto files = [&c](const CollectFigures& f) {
        return Text::tr("%1 of %2 files, %3 GB")
            .arg(f.files)
            .arg(c.TotalFiles())
            .arg(GigabytesText(f.bytes, 2));
    };
    QStringList lines{Text::tr("Copied now: %1").arg(files(c.copied)),
                      Text::tr("Already in the archive: %1").arg(files(c.alreadyThere))};
    if (!c.cleared.asked) {
        lines << Text::tr("Kept on the card: everything (clearing was not asked for)");
        return lines;
    }
    lines << Text::tr("Cleared from the card: %1 of %2 recordings, %3 GB")
                 .arg(c.cleared.files)
                 .arg(c.recordings.count)
                 .arg(GigabytesText(c.cleared.bytes, 2))
          << Text::tr("Kept on the card: %1 of %2 files")
                 .arg(c.TotalFiles() - c.cleared.files)
                 .arg(c.TotalFiles());
    return lines;
}

namespace
{

QStringList DetailLines(const CardCollection& c)
{
    QStringList lines = c.Details();
    if (!c.recordError.isEmpty())
        lines << Text::tr("Not recorded in collections.csv: %1").arg(c.recordError);
    return lines;
}

QLabel* WrappedLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true); // a long folder never widens the dialog past the screen
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return label;
}

} // namespace

QString CollectionText(const CardCollection& c)
{
    return (QStringList(c.Summary()) + CollectionFigures(c) + DetailLines(c))
        .join(QLatin1Char('\n'));
}

QDialog* NewCollectionDialog(QWidget* parent, const QString& title, const CardCollection& c)
{
    auto* dialog = new QDialog(parent);
    dialog->setObjectName(QStringLiteral("collect result"));
    dialog->setWindowTitle(title);
    auto* layout = new QVBoxLayout(dialog);
    auto* top = new QHBoxLayout;
    auto* icon = new QLabel(dialog);
    const auto kind =
        c.ExitCode() == 0 ? QStyle::SP_MessageBoxInformation : QStyle::SP_MessageBoxWarning;
    const int side = dialog->style()->pixelMetric(QStyle::PM_MessageBoxIconSize);
    icon->setPixmap(dialog->style()->standardIcon(kind).pixmap(side, side));
    top->addWidget(icon, 0, Qt::AlignTop);
    auto* headline = WrappedLabel(c.Summary(), dialog);
    headline->setObjectName(QStringLiteral("collect summary"));
    top->addWidget(headline, 1);
    layout->addLayout(top);
    auto* figures = WrappedLabel(CollectionFigures(c).join(QLatin1Char('\n')), dialog);
    figures->setObjectName(QStringLiteral("collect figures"));
    layout->addWidget(figures);
    const QStringList details = DetailLines(c);
    if (!details.isEmpty()) {
        // However many files were named, they scroll here; the button stays in view.
        auto* view = new QPlainTextEdit(details.join(QLatin1Char('\n')), dialog);
        view->setObjectName(QStringLiteral("collect details"));
        view->setAccessibleName(Text::tr("Details"));
        view->setReadOnly(true);
        view->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        layout->addWidget(view, 1);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    layout->addWidget(buttons);
    const QRect screen = (parent ? parent->screen() : dialog->screen())->availableGeometry();
    const QSize room = screen.size() - QSize(40, 60); // the window manager's frame
    dialog->setMaximumSize(room);
    // A long list gets room to be read; a few lines need no more than they take.
    const int height = details.size() > 8 ? 420 : 0;
    dialog->resize(QSize(720, height).expandedTo(dialog->sizeHint()).boundedTo(room));
    return dialog;
}

void CollectRecordingsOfCard(QWidget* parent, const QString& card,
                             const std::function<void(const QString&, const QString&)>& show)
{
    const ArchiveChoice choice = ChooseCollectArchive(parent);
    if (choice.folder.isEmpty())
        return;
    const CardCollection c =
        CollectWithProgress(parent, choice.folder, card, WindowCollectOptions(choice));
    const QString title = Text::tr("Collect recordings of %1").arg(card);
    if (show) {
        show(title, CollectionText(c));
        return;
    }
    QDialog* dialog = NewCollectionDialog(parent, title, c);
    dialog->exec();
    delete dialog;
}
