#pragma once

#include <QMainWindow>
#include <functional>

class CardRecordingsMonitor;
class CardReportAsker;
class CardSpaceMonitor;
class ConfigEditWindow;
class QLabel;

// The program's only top-level window: caption, icon, the editor form and a status line.
class PlimoAppWindow : public QMainWindow
{
    Q_OBJECT

public:
    PlimoAppWindow();

    ConfigEditWindow* editor() const { return Editor; }
    // The permanent read-out of the card's free space at the right of the status line.
    QLabel* cardSpaceLabel() const { return CardSpaceLabel; }
    CardSpaceMonitor* cardSpace() const { return CardSpace; }
    CardRecordingsMonitor* cardRecordings() const { return CardRecordings; }

    // Puts the form into a scroll area when the window with the whole form would not fit
    // into available (a screen's available geometry), and sizes the window to fit; on a
    // screen large enough the form is the central widget as it always was. The
    // constructor calls it with the screen the window opens on.
    void FitToScreen(const QRect& available);

    // Seam for the open-file dialog of load(), replaced by tests; returns an empty
    // string when the user cancels.
    std::function<QString()> chooseFile;
    // Seam for the window that shows the card report, replaced by tests.
    std::function<void(const QString& title, const QString& text)> showReport;

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void open();
    void save();
    void saveAs();
    void load();
    void about();

private:
    void WatchCardSpace();
    // "132 recordings, 41 h 20 min" beside the free space, and "Card report...".
    void WatchCardRecordings();
    void ShowCardReport();

    ConfigEditWindow* Editor;
    CardSpaceMonitor* CardSpace = nullptr;
    QLabel* CardSpaceLabel = nullptr;
    CardRecordingsMonitor* CardRecordings = nullptr;
    CardReportAsker* ReportAsker = nullptr;
};
