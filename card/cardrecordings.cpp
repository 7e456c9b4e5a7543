#include "card/cardrecordings.h"

#include "card/cardspace.h"

CardRecordingsMonitor::CardRecordingsMonitor(QObject* parent)
    : QObject(parent), Recordings(
                           this,
                           [this] {
                               return [summarise = summarise](const QString& folder) {
                                   return RecordingsText(summarise(folder));
                               };
                           },
                           [this](const QString& text) { Show(text); })
{
    // Typing a path tries every text on the way: look only at the one that stays.
    Settle.setSingleShot(true);
    Settle.setInterval(300);
    connect(&Settle, &QTimer::timeout, this, [this] { Recordings.Ask(); });
}

void CardRecordingsMonitor::SetCardPath(const QString& cardPath)
{
    // No card path means the working folder (often the home folder): no card to count.
    Recordings.SetFolder(cardPath.isEmpty() ? QString() : CardFolder(cardPath));
    Settle.start();
}

void CardRecordingsMonitor::Show(const QString& text)
{
    if (text == CurrentText)
        return;
    CurrentText = text;
    emit textChanged(text);
}

void CardReportAsker::Ask(const QString& folder, const CardReportOptions& options,
                          const std::function<void(const CardReport&)>& show)
{
    Question.Ask<CardReport>([folder, options] { return InspectCard(folder, options); }, show);
}
