#pragma once

#include <QMainWindow>
#include <functional>

struct CardReport;
class CardRecordingsMonitor;
class CardReportAsker;
class CardSpaceMonitor;
class CardsView;
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
    // The Cards view, made when first asked for (by "Cards..." beside the card picker).
    CardsView* cards();

    // Puts the form into a scroll area when the window with the whole form and its frame
    // (the window manager's title bar and borders) would not fit into available (a
    // screen's available geometry), and sizes the window to fit; on a screen large enough
    // the form is the central widget as it always was. The constructor calls it with the
    // screen the window opens on and an expected frame; once the window manager has
    // framed the window it is fitted again with the real frame and moved onto the screen.
    void FitToScreen(const QRect& available, const QMargins& frame = QMargins());

    // Seam for the open-file dialog of load(), replaced by tests; returns an empty
    // string when the user cancels.
    std::function<QString()> chooseFile;
    // Seam for the window that shows the card report (ShowCardReportDialog), replaced by
    // tests.
    std::function<void(const QString& title, const CardReport& report)> showReport;
    // Seam for the message that ends Collect recordings... (empty: a message box), replaced
    // by tests.
    std::function<void(const QString& title, const QString& text)> showCollected;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

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
    // "Cards..." beside the card picker's Eject.
    void AddCardsButton();
    void ShowCardReportOf(const QString& folder); // a card's or a collection's
    // The frame the window has, or before the window manager has framed it, the frame
    // it is likely to get.
    QMargins Frame() const;
    // Fits the window again with its real frame and keeps the frame on the screen.
    void FitFramed();

    // Asks the card picker and the card read-out for the first time, once the window
    // has been painted: their threads do not compete with the start-up.
    void StartQuestions();

    bool Framed = false;  // fitted with the window manager's real frame
    bool Painted = false; // the first paint is done

    ConfigEditWindow* Editor;
    CardSpaceMonitor* CardSpace = nullptr;
    QLabel* CardSpaceLabel = nullptr;
    CardRecordingsMonitor* CardRecordings = nullptr;
    CardReportAsker* ReportAsker = nullptr;
    CardsView* Cards = nullptr;
    bool ClosingAfterCards = false; // closed while Cards worked: closes when it ends
};
