#include "card/cardrecordings.h"

#include "card/cardspace.h"

CardRecordingsMonitor::CardRecordingsMonitor(QObject* parent) : QObject(parent), Question(this)
{
    // Typing a path tries every text on the way: look only at the one that stays.
    Settle.setSingleShot(true);
    Settle.setInterval(300);
    connect(&Settle, &QTimer::timeout, this, &CardRecordingsMonitor::Ask);
}

void CardRecordingsMonitor::SetCardPath(const QString& cardPath)
{
    // No card path means the working folder (often the home folder): no card to count.
    Folder = cardPath.isEmpty() ? QString() : CardFolder(cardPath);
    Settle.start();
}

void CardRecordingsMonitor::Ask()
{
    if (Asking)
        return; // asked again when the running question returns
    Asking = true;
    AskedFolder = Folder;
    Question.Ask<QString>(
        [summarise = summarise, folder = Folder] { return RecordingsText(summarise(folder)); },
        [this](const QString& text) {
            Asking = false;
            if (AskedFolder != Folder) {
                Ask();
                return;
            }
            if (text == CurrentText)
                return;
            CurrentText = text;
            emit textChanged(text);
        });
}

void CardReportAsker::Ask(const QString& folder, const CardReportOptions& options,
                          const std::function<void(const CardReport&)>& show)
{
    Question.Ask<CardReport>([folder, options] { return InspectCard(folder, options); }, show);
}
