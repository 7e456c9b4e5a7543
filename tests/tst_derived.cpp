// The figures behind the read-outs: byte rate, playing times and timer file sizes.
#include <QtTest>

#include "recorder_files/derived.h"

#include <cstring>

class DerivedTest : public QObject
{
    Q_OBJECT
private slots:
    void byteRate_data();
    void byteRate();
    void playTime_data();
    void playTime();
    void fileSize_data();
    void fileSize();
    void fileSizeFactorIsTheRecorderConstant();
};

void DerivedTest::byteRate_data()
{
    QTest::addColumn<int>("sampleIndex");
    QTest::addColumn<int>("modeIndex");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("sampleInTable");
    QTest::addColumn<bool>("modeInTable");

    QTest::newRow("none 6000") << 0 << 0 << 12000 << true << true;
    QTest::newRow("u-Law 6000") << 0 << 1 << 6000 << true << true;
    QTest::newRow("ADPCM 6000") << 0 << 2 << 3000 << true << true;
    QTest::newRow("none 8000") << 1 << 0 << 16000 << true << true;
    QTest::newRow("u-Law 8000") << 1 << 1 << 8000 << true << true;
    QTest::newRow("ADPCM 8000") << 1 << 2 << 4000 << true << true;
    QTest::newRow("none 11050 (not 11025)") << 2 << 0 << 22100 << true << true;
    QTest::newRow("u-Law 11050") << 2 << 1 << 11050 << true << true;
    QTest::newRow("ADPCM 11050") << 2 << 2 << 5525 << true << true;
    QTest::newRow("none 16000") << 3 << 0 << 32000 << true << true;
    QTest::newRow("u-Law 16000") << 3 << 1 << 16000 << true << true;
    QTest::newRow("ADPCM 16000") << 3 << 2 << 8000 << true << true;
    // Indexes beyond the tables fall back to 8000 and u-Law.
    QTest::newRow("rate index 4") << 4 << 0 << 16000 << false << true;
    QTest::newRow("rate index 7") << 7 << 2 << 4000 << false << true;
    QTest::newRow("no rate item") << -1 << 1 << 8000 << false << true;
    QTest::newRow("mode index 3") << 0 << 3 << 6000 << true << false;
    QTest::newRow("mode index 7") << 2 << 7 << 11050 << true << false;
    QTest::newRow("no mode item") << 3 << -1 << 16000 << true << false;
    QTest::newRow("both beyond") << 5 << 5 << 8000 << false << false;
}

void DerivedTest::byteRate()
{
    QFETCH(int, sampleIndex);
    QFETCH(int, modeIndex);
    QFETCH(int, expected);
    QFETCH(bool, sampleInTable);
    QFETCH(bool, modeInTable);

    const ByteRateInfo info = ByteRateForIndexes(sampleIndex, modeIndex);
    QCOMPARE(info.byteRate, expected);
    QCOMPARE(info.sampleIndexInTable, sampleInTable);
    QCOMPARE(info.modeIndexInTable, modeInTable);
}

void DerivedTest::playTime_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<uint>("unit");
    QTest::addColumn<int>("byteRate");
    QTest::addColumn<QString>("expected");

    QTest::newRow("20 kb at 8000 drops the remainder") << 20 << KiloByte << 8000 << "00:00:02";
    QTest::newRow("loop 4095 Mb at 3000, three-digit hours")
        << 4095 << MegaByte << 3000 << "397:35:06";
    QTest::newRow("limit min 16383 kb at 3000") << 16383 << KiloByte << 3000 << "01:33:12";
    QTest::newRow("limit max 4095 Mb at 22100") << 4095 << MegaByte << 22100 << "53:58:14";
    QTest::newRow("4095 Mb at 4000 needs unsigned 32 bits")
        << 4095 << MegaByte << 4000 << "298:11:19";
    QTest::newRow("4095 Mb at 32000") << 4095 << MegaByte << 32000 << "37:16:24";
    QTest::newRow("16383 kb at 32000") << 16383 << KiloByte << 32000 << "00:08:44";
    QTest::newRow("1 kb at 32000 rounds down to zero") << 1 << KiloByte << 32000 << "00:00:00";
    QTest::newRow("1 Mb at 32000") << 1 << MegaByte << 32000 << "00:00:32";
    QTest::newRow("60 Mb at 8000") << 60 << MegaByte << 8000 << "02:11:04";
    QTest::newRow("byte rate 0 counts as 1") << 1 << KiloByte << 0 << "00:17:04";
    QTest::newRow("0 shows the zero text") << 0 << MegaByte << 8000 << "off";
}

void DerivedTest::playTime()
{
    QFETCH(int, value);
    QFETCH(uint, unit);
    QFETCH(int, byteRate);
    QFETCH(QString, expected);

    QCOMPARE(PlayTimeText(value, unit, byteRate, QStringLiteral("off")), expected);
}

void DerivedTest::fileSize_data()
{
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("byteRate");
    QTest::addColumn<QString>("expected");

    QTest::newRow("form default: 1 minute u-Law 8000") << 1 << 8000 << "0.46Mb";
    // 234.375 exactly would round up; the recorder's constant lies just below it.
    QTest::newRow("256 minutes none 8000") << 256 << 16000 << "234.37Mb";
    QTest::newRow("60 minutes none 8000") << 60 << 16000 << "54.93Mb";
    QTest::newRow("unlimited") << 0 << 8000 << "0.00Mb";
    QTest::newRow("1 minute ADPCM 6000") << 1 << 3000 << "0.17Mb";
    QTest::newRow("9999 minutes ADPCM 6000") << 9999 << 3000 << "1716.44Mb";
    QTest::newRow("9999 minutes none 16000") << 9999 << 32000 << "18308.72Mb";
    QTest::newRow("byte rate 0 counts as 1") << 1048576 / 60 << 0 << "1.00Mb";
}

void DerivedTest::fileSize()
{
    QFETCH(int, minutes);
    QFETCH(int, byteRate);
    QFETCH(QString, expected);

    QCOMPARE(FileSizeText(minutes, byteRate, QStringLiteral("Mb")), expected);
}

void DerivedTest::fileSizeFactorIsTheRecorderConstant()
{
    const double factor = FileSizeMegabytes(1, 1);
    uint64_t bits = 0;
    std::memcpy(&bits, &factor, sizeof bits);
    QCOMPARE(bits, Q_UINT64_C(0x3F0DFFFFFFE76C8B));
}

QTEST_APPLESS_MAIN(DerivedTest)
#include "tst_derived.moc"
