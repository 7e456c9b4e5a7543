#include "recorder_files/interruptedwrites.h"

#include "common/printable.h"
#include "platform/savefile.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace
{

struct InterruptedText {
    Q_DECLARE_TR_FUNCTIONS(CardReport)
};

} // namespace

QStringList InterruptedWriteLines(const QString& card, const QStringList& names)
{
    QStringList lines;
    for (const QString& name : names) {
        for (const QString& left : LeftoverTemporaryFiles(card + name)) {
            lines << InterruptedText::tr("left by an interrupted write: %1")
                         .arg(PrintableText(QFileInfo(left).fileName()));
        }
    }
    return lines;
}
