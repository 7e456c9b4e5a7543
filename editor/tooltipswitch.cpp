#include "editor/tooltipswitch.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QToolTip>

namespace
{

bool toolTipsEnabled = true;

class ToolTipFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!toolTipsEnabled && event->type() == QEvent::ToolTip)
            return true;
        return QObject::eventFilter(watched, event);
    }
};

// Owned by the application object; gone with it.
QPointer<ToolTipFilter> installedFilter;

void InstallFilter()
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || installedFilter)
        return;
    installedFilter = new ToolTipFilter(app);
    app->installEventFilter(installedFilter);
}

} // namespace

void SetToolTipsGloballyEnabled(bool enabled)
{
    InstallFilter();
    toolTipsEnabled = enabled;
    if (!enabled)
        QToolTip::hideText();
}
