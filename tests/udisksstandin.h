#pragma once

// A private D-Bus daemon with tests/udisks_standin.py on it as the system's disk service.
// Both die with the test program, even when it crashes (parent-death signal).

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>
#include <signal.h>
#include <sys/prctl.h>

class UDisksStandIn
{
public:
    // Starts the bus; its address afterwards in Address, the reason in Error otherwise. Its
    // socket is made in the stand-in's own folder: killed, the daemon cannot remove it.
    bool StartBus()
    {
        Bus = Start(QStringLiteral("dbus-daemon"),
                    {QStringLiteral("--session"), QStringLiteral("--nofork"),
                     QStringLiteral("--nopidfile"), QStringLiteral("--print-address=1"),
                     QStringLiteral("--address=unix:dir=") + Dir.path()});
        if (!Bus->waitForStarted(5000) || !Bus->waitForReadyRead(5000)) {
            Error = QStringLiteral("dbus-daemon did not start: ") + Bus->errorString();
            return false;
        }
        Address = QString::fromLatin1(Bus->readLine().trimmed());
        return true;
    }

    // Serves the disks of layout (see udisks_standin.py; "log" is filled in) until StopService().
    bool StartService(QJsonObject layout)
    {
        StopService();
        QFile::remove(LogName());
        layout[QStringLiteral("log")] = LogName();
        const QString layoutName = Dir.filePath(QStringLiteral("layout.json"));
        QFile file(layoutName);
        if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(layout).toJson()) < 0)
            return false;
        file.close();
        Service = Start(QStringLiteral("/usr/bin/python3"),
                        {QStringLiteral(PLIMO_SOURCE_DIR "/tests/udisks_standin.py"), layoutName});
        if (!Service->waitForReadyRead(10000) || !Service->readAll().contains("ready")) {
            Error = QString::fromLocal8Bit(Service->readAllStandardError());
            return false;
        }
        return true;
    }

    // The service's "later" blocks come, as a card put in.
    void Plug() const
    {
        if (Service)
            ::kill(pid_t(Service->processId()), SIGUSR1);
    }

    void StopService()
    {
        if (Service) {
            Service->kill();
            Service->waitForFinished(5000);
            Service.reset();
        }
    }

    // The calls the service received: "Unmount <block>", "PowerOff <drive>" ...
    QStringList Calls() const
    {
        QFile log(LogName());
        if (!log.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    // The service and the bus both gone.
    void Stop()
    {
        StopService();
        if (Bus) {
            Bus->kill();
            Bus->waitForFinished(5000);
            Bus.reset();
        }
    }

    ~UDisksStandIn() { Stop(); }

    QString Address;
    QString Error;

private:
    QString LogName() const { return Dir.filePath(QStringLiteral("calls.log")); }

    static std::unique_ptr<QProcess> Start(const QString& program, const QStringList& arguments)
    {
        auto process = std::make_unique<QProcess>();
        process->setProcessChannelMode(QProcess::SeparateChannels);
        process->setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
        process->start(program, arguments);
        return process;
    }

    QTemporaryDir Dir;
    std::unique_ptr<QProcess> Bus;
    std::unique_ptr<QProcess> Service;
};
