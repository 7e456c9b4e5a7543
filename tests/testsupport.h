#pragma once

// Helpers shared by the test programs.

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstdio>
#include <ftw.h>
#include <functional>
#include <grp.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// Mounts of the test's own from here on: the cards it mounts are seen by no other process
// and go with it, even when it is killed. False where the machine allows no mount
// namespace (a process with threads, no privilege): then its mounts are everyone's.
inline bool OwnMountNamespace()
{
    return unshare(CLONE_NEWNS) == 0 &&
           mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
}

// A temporary folder that goes whole, names that are no valid UTF-8 too: Qt cannot name
// such a file to remove it, and a plain QTemporaryDir leaves it behind. Links are removed,
// not followed, and a file system still mounted inside is left alone.
class TestFolder : public QTemporaryDir
{
public:
    ~TestFolder()
    {
        if (isValid())
            nftw(
                QFile::encodeName(path()).constData(),
                [](const char* name, const struct stat*, int, FTW*) {
                    std::remove(name);
                    return 0;
                },
                16, FTW_DEPTH | FTW_PHYS | FTW_MOUNT);
    }
};

inline QByteArray ReadAll(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}

inline bool WriteAll(const QString& fileName, const QByteArray& bytes)
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

// A config.ini of exactly size bytes (3 or more) whose every line takes effect, and that
// leaves a fresh form as it is: "Event=key" lines and one comment line for the rest.
inline QByteArray ConfigOfSize(qint64 size)
{
    const QByteArray line = "Event=key\r\n";
    qint64 lines = size / line.size();
    qint64 rest = size % line.size();
    if (rest < 3) {
        rest += line.size();
        --lines;
    }
    return line.repeated(lines) + ';' + QByteArray(rest - 3, 'x') + "\r\n";
}

// Bytes to be read through a device that counts the reads: a reading loop that does not
// stop at the end ends the test with that reason instead of running into its time-out.
class BoundedReadBuffer : public QBuffer
{
public:
    explicit BoundedReadBuffer(const QByteArray& bytes, int maxReads) : MaxReads(maxReads)
    {
        setData(bytes);
    }
    int reads = 0;

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        if (++reads > MaxReads)
            qFatal("read %d times, more than the %d any reading of these bytes needs", reads,
                   MaxReads);
        return QBuffer::readData(data, maxSize);
    }

private:
    const int MaxReads;
};

// Runs body while this process's files may not grow beyond limit bytes (a card that
// fills up mid-write; root is not spared by this limit), then lifts the limit again.
// In this process, not in a forked child: the windows have threads of their own, and a
// child forked while one of them held a lock (the allocator's) may wait on it forever.
// Only the soft limit changes, so that any user may put it back. Returns the body's
// result, or -1 when the limit cannot be set.
inline int RunWithFileSizeLimit(rlim_t limit, const std::function<int()>& body)
{
    struct rlimit old = {};
    if (getrlimit(RLIMIT_FSIZE, &old) != 0)
        return -1;
    const struct rlimit limited = {limit, old.rlim_max};
    const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    int result = -1;
    if (setrlimit(RLIMIT_FSIZE, &limited) == 0) {
        result = body();
        setrlimit(RLIMIT_FSIZE, &old);
    }
    signal(SIGXFSZ, oldHandler);
    return result;
}

// Runs body in a child process, as the user nobody when asNobody, killed after five
// seconds: the body's result, or -1 when the child died or hung.
inline int RunInChild(bool asNobody, const std::function<int()>& body)
{
    constexpr uid_t Nobody = 65534;
    const pid_t pid = fork();
    if (pid == 0) {
        alarm(5);
        if (asNobody && (setgroups(0, nullptr) != 0 || setgid(Nobody) != 0 || setuid(Nobody) != 0))
            _exit(99);
        _exit(body());
    }
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}
