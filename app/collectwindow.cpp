#include "app/collectwindow.h"

#include "app/preferences/prefcodec.h"
#include "app/preferences/preferences.h"
#include "recorder_files/batchwrite.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QProgressDialog>
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

QString CollectionText(const CardCollection& c)
{
    QStringList lines = QStringList(c.Summary()) + c.Details();
    if (!c.recordError.isEmpty())
        lines << Text::tr("Not recorded in collections.csv: %1").arg(c.recordError);
    return lines.join(QLatin1Char('\n'));
}

void CollectRecordingsOfCard(QWidget* parent, const QString& card,
                             const std::function<void(const QString&, const QString&)>& show)
{
    const QString archive = ChooseArchiveFolder(parent);
    if (archive.isEmpty())
        return;
    CollectOptions options;
    options.configName = PrefText(Preferences.CFGname);
    options.clockName = PrefText(Preferences.TimeName);
    options.record = DefaultCollectionRecord();
    const CardCollection c = CollectWithProgress(parent, archive, card, options);
    const QString title = Text::tr("Collect recordings of %1").arg(card);
    if (show)
        show(title, CollectionText(c));
    else if (c.ExitCode() == 0)
        QMessageBox::information(parent, title, CollectionText(c));
    else
        QMessageBox::warning(parent, title, CollectionText(c));
}
