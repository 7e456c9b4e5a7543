#include <QtTest>

#include "app/globals.h"

class SmokeTest : public QObject
{
    Q_OBJECT
private slots:
    void version() { QCOMPARE(VersionText, QStringLiteral("v1.4")); }
};

QTEST_MAIN(SmokeTest)
#include "tst_smoke.moc"
