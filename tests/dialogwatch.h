#pragma once

// A test that waited on a modal dialog nobody answers would hang until its time-out. While
// a DialogWatch lives, each modal dialog that opens is noted, shown to `look`, and closed,
// so that the test goes on and fails on what it asserts.

#include <QApplication>
#include <QDialog>
#include <QStringList>
#include <QTimer>
#include <functional>

class DialogWatch
{
public:
    explicit DialogWatch(std::function<void(QWidget*)> look = {}) : Look(std::move(look))
    {
        QObject::connect(&Timer, &QTimer::timeout, [this] { CloseModal(); });
        Timer.start(10);
    }

    // The object names (or titles) of the dialogs that opened.
    QStringList opened;

private:
    void CloseModal()
    {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog)
            return;
        opened << (dialog->objectName().isEmpty() ? dialog->windowTitle() : dialog->objectName());
        if (Look)
            Look(dialog);
        if (auto* d = qobject_cast<QDialog*>(dialog))
            d->reject();
        else
            dialog->close();
    }

    std::function<void(QWidget*)> Look;
    QTimer Timer;
};
