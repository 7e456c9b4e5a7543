// libplimofault.so: fails the Nth file-changing call with EIO, or kills the process
// there (see faultinject.h).
// Every wrapper hands the call on to the next definition (the C library, or the
// sanitizer's interceptor), found with dlsym(RTLD_NEXT).
#include "faultinject.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace
{

std::atomic<bool> armed{false};
std::atomic<long> calls{0};
long failFrom = 0;
long failCount = 1;
FaultKill killMode = FaultKill::No;
long slowMilliseconds = 0;
char failedCall[32];

// The modes of a preloaded library that change what is read and written rather than
// fail a call: the Nth read of a file under PLIMO_FAULT_UNDER fails with EIO
// (PLIMO_FAULT_READ_AT, and PLIMO_FAULT_READ_COUNT reads from there), the Nth write of one has its
// first byte flipped (PLIMO_FAULT_FLIP_AT).
long readFailAt = 0, readFailCount = 1, flipAt = 0;
std::atomic<long> reads{0}, writes{0};
const char* under = nullptr;

void ArmModesFromEnvironment()
{
    const auto number = [](const char* name) {
        const char* value = std::getenv(name);
        return value ? std::atol(value) : 0L;
    };
    readFailAt = number("PLIMO_FAULT_READ_AT");
    readFailCount = std::getenv("PLIMO_FAULT_READ_COUNT") ? number("PLIMO_FAULT_READ_COUNT") : 1;
    flipAt = number("PLIMO_FAULT_FLIP_AT");
    under = std::getenv("PLIMO_FAULT_UNDER");
}

// True when fd is a regular file whose path starts with PLIMO_FAULT_UNDER.
bool IsFileUnder(int fd)
{
    struct stat st {
    };
    if (!under || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    char link[64], path[4096];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t n = ::readlink(link, path, sizeof path - 1);
    return n > 0 && std::strncmp(path, under, std::strlen(under)) == 0;
}

// Reads PLIMO_FAULT_AT, PLIMO_FAULT_COUNT, PLIMO_FAULT_KILL, PLIMO_FAULT_SLOW and the
// modes above once, for a process started with the library preloaded.
__attribute__((constructor)) void ArmFromEnvironment()
{
    ArmModesFromEnvironment();
    if (const char* slow = std::getenv("PLIMO_FAULT_SLOW"))
        slowMilliseconds = std::atol(slow);
    const char* at = std::getenv("PLIMO_FAULT_AT");
    if (!at)
        return;
    const char* count = std::getenv("PLIMO_FAULT_COUNT");
    const char* kill = std::getenv("PLIMO_FAULT_KILL");
    if (kill && (std::strcmp(kill, "before") == 0 || std::strcmp(kill, "after") == 0))
        FaultArmKill(std::atol(at), kill[0] == 'a' ? FaultKill::After : FaultKill::Before);
    else
        FaultArm(std::atol(at), count ? std::atol(count) : 1);
}

// What becomes of one file-changing call.
enum class Turn { Run, Fail, RunThenKill };

[[noreturn]] void KillSelf()
{
    ::kill(::getpid(), SIGKILL);
    for (;;)
        ::pause();
}

// Counts one file-changing call and decides its turn (errno is EIO for Fail); a kill
// before the call happens here.
Turn Count(const char* name)
{
    if (slowMilliseconds > 0 && std::strcmp(name, "write") == 0)
        ::usleep(useconds_t(slowMilliseconds * 1000));
    if (!armed.load())
        return Turn::Run;
    const long n = ++calls;
    if (std::getenv("PLIMO_FAULT_TRACE"))
        ::dprintf(2, "fault point %ld: %s\n", n, name);
    if (failFrom <= 0 || n < failFrom || n >= failFrom + failCount)
        return Turn::Run;
    if (killMode == FaultKill::Before)
        KillSelf();
    if (killMode == FaultKill::After)
        return Turn::RunThenKill;
    if (failedCall[0] == '\0') {
        std::strncpy(failedCall, name, sizeof failedCall - 1);
    }
    errno = EIO;
    return Turn::Fail;
}

// Runs call at its turn: failed gives the failure's result.
template <typename Call, typename Failed>
auto AtTurn(const char* name, Call call, Failed failed) -> decltype(call())
{
    switch (Count(name)) {
    case Turn::Fail:
        return decltype(call())(failed());
    case Turn::RunThenKill:
        call();
        KillSelf();
    case Turn::Run:
        break;
    }
    return call();
}

// Writes to pipes, terminals and sockets (the program's own output) are no file
// changes.
bool IsFile(int fd)
{
    struct stat st {
    };
    return ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
}

bool OpensForWriting(int flags)
{
    return (flags & (O_WRONLY | O_RDWR | O_CREAT | O_TRUNC)) != 0 ||
           (flags & O_TMPFILE) == O_TMPFILE;
}

// The mode argument, present only where the open may create a file.
mode_t ModeArgument(int flags, va_list args)
{
    if ((flags & O_CREAT) != 0 || (flags & O_TMPFILE) == O_TMPFILE)
        return va_arg(args, mode_t);
    return 0;
}

template <typename F> F Next(const char* name)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

#define NEXT(name) static const auto next = Next<decltype(&::name)>(#name)

// A failing write is a short one first, as on a card pulled out mid-write: half the
// bytes are written and counted, and the write that follows fails (a caller that takes
// the short count for the whole loses the rest).
std::atomic<bool> shortWriteMade{false};

template <typename Write> ssize_t ShortWrite(Write write, size_t size)
{
    if (size <= 1)
        return -1; // errno is EIO
    shortWriteMade = true;
    return write(size / 2);
}

// True when this write follows a short one: it fails with EIO, without being counted.
bool FollowsShortWrite()
{
    if (!shortWriteMade.exchange(false))
        return false;
    errno = EIO;
    return true;
}

} // namespace

extern "C" {

void FaultArm(long failAt, long count)
{
    FaultDisarm();
    failFrom = failAt;
    failCount = count;
    armed = true;
}

void FaultArmKill(long killAt, FaultKill when)
{
    FaultArm(killAt, 1);
    killMode = when;
}

void FaultDisarm()
{
    armed = false;
    calls = 0;
    killMode = FaultKill::No;
    shortWriteMade = false;
    failedCall[0] = '\0';
}

long FaultCalls()
{
    return calls.load();
}

const char* FaultFailedCall()
{
    return failedCall;
}

// An open that may create or change a file fails at its turn.
#define OPEN_CALL(name, params, args)                                                              \
    int name params                                                                                \
    {                                                                                              \
        va_list list;                                                                              \
        va_start(list, flags);                                                                     \
        const mode_t mode = ModeArgument(flags, list);                                             \
        va_end(list);                                                                              \
        NEXT(name);                                                                                \
        if (!OpensForWriting(flags))                                                               \
            return next args;                                                                      \
        return AtTurn(                                                                             \
            #name, [&] { return next args; }, [] { return -1; });                                  \
    }

OPEN_CALL(open, (const char* path, int flags, ...), (path, flags, mode))
OPEN_CALL(open64, (const char* path, int flags, ...), (path, flags, mode))
OPEN_CALL(openat, (int dir, const char* path, int flags, ...), (dir, path, flags, mode))
OPEN_CALL(openat64, (int dir, const char* path, int flags, ...), (dir, path, flags, mode))

// A write fails at its turn after a short write; see ShortWrite.
#define WRITE_CALL(name, params, args, write)                                                      \
    ssize_t name params                                                                            \
    {                                                                                              \
        NEXT(name);                                                                                \
        if (IsFile(fd) && FollowsShortWrite())                                                     \
            return -1;                                                                             \
        if (!IsFile(fd))                                                                           \
            return next args;                                                                      \
        return AtTurn(                                                                             \
            #name, [&] { return next args; },                                                      \
            [&] { return ShortWrite([&](size_t n) { return write; }, size); });                    \
    }

// The write whose turn PLIMO_FAULT_FLIP_AT is goes out with its first byte changed, as
// from a disk that corrupts what it is given.
ssize_t write(int fd, const void* buffer, size_t size)
{
    NEXT(write);
    if (IsFile(fd) && FollowsShortWrite())
        return -1;
    if (!IsFile(fd))
        return next(fd, buffer, size);
    const auto call = [&]() -> ssize_t {
        if (flipAt > 0 && size > 0 && IsFileUnder(fd) && ++writes == flipAt) {
            char first = static_cast<const char*>(buffer)[0] ^ 0x01;
            const ssize_t n = next(fd, &first, 1);
            return n == 1 ? 1 + next(fd, static_cast<const char*>(buffer) + 1, size - 1) : n;
        }
        return next(fd, buffer, size);
    };
    return AtTurn("write", call,
                  [&] { return ShortWrite([&](size_t n) { return next(fd, buffer, n); }, size); });
}

// The read whose turn PLIMO_FAULT_READ_AT is fails with EIO, as on a pulled card.
ssize_t read(int fd, void* buffer, size_t size)
{
    NEXT(read);
    if (readFailAt > 0 && IsFileUnder(fd) && ++reads >= readFailAt &&
        reads < readFailAt + readFailCount) {
        errno = EIO;
        return -1;
    }
    return next(fd, buffer, size);
}
WRITE_CALL(pwrite, (int fd, const void* buffer, size_t size, off_t at), (fd, buffer, size, at),
           next(fd, buffer, n, at))
WRITE_CALL(pwrite64, (int fd, const void* buffer, size_t size, off64_t at), (fd, buffer, size, at),
           next(fd, buffer, n, at))

// Any other call that changes a file fails at its turn with -1.
#define FAILING_CALL(name, params, args)                                                           \
    int name params                                                                                \
    {                                                                                              \
        NEXT(name);                                                                                \
        return AtTurn(                                                                             \
            #name, [&] { return next args; }, [] { return -1; });                                  \
    }

FAILING_CALL(creat, (const char* path, mode_t mode), (path, mode))
FAILING_CALL(creat64, (const char* path, mode_t mode), (path, mode))
FAILING_CALL(ftruncate, (int fd, off_t size), (fd, size))
FAILING_CALL(ftruncate64, (int fd, off64_t size), (fd, size))
FAILING_CALL(truncate, (const char* path, off_t size), (path, size))
FAILING_CALL(truncate64, (const char* path, off64_t size), (path, size))
FAILING_CALL(fallocate, (int fd, int mode, off_t at, off_t size), (fd, mode, at, size))
FAILING_CALL(fallocate64, (int fd, int mode, off64_t at, off64_t size), (fd, mode, at, size))
FAILING_CALL(fsync, (int fd), (fd))
FAILING_CALL(fdatasync, (int fd), (fd))
FAILING_CALL(rename, (const char* from, const char* to), (from, to))
FAILING_CALL(renameat, (int fromDir, const char* from, int toDir, const char* to),
             (fromDir, from, toDir, to))
FAILING_CALL(renameat2, (int fromDir, const char* from, int toDir, const char* to, unsigned flags),
             (fromDir, from, toDir, to, flags))
FAILING_CALL(link, (const char* from, const char* to), (from, to))
FAILING_CALL(linkat, (int fromDir, const char* from, int toDir, const char* to, int flags),
             (fromDir, from, toDir, to, flags))
FAILING_CALL(unlink, (const char* path), (path))
FAILING_CALL(unlinkat, (int dir, const char* path, int flags), (dir, path, flags))
FAILING_CALL(remove, (const char* path), (path))
FAILING_CALL(chown, (const char* path, uid_t user, gid_t group), (path, user, group))
FAILING_CALL(fchown, (int fd, uid_t user, gid_t group), (fd, user, group))
FAILING_CALL(lchown, (const char* path, uid_t user, gid_t group), (path, user, group))
FAILING_CALL(fchownat, (int dir, const char* path, uid_t user, gid_t group, int flags),
             (dir, path, user, group, flags))
FAILING_CALL(chmod, (const char* path, mode_t mode), (path, mode))
FAILING_CALL(fchmod, (int fd, mode_t mode), (fd, mode))
FAILING_CALL(fchmodat, (int dir, const char* path, mode_t mode, int flags),
             (dir, path, mode, flags))

// posix_fallocate returns the error instead of setting errno.
int posix_fallocate(int fd, off_t at, off_t size)
{
    NEXT(posix_fallocate);
    return AtTurn(
        "posix_fallocate", [&] { return next(fd, at, size); }, [] { return EIO; });
}

int posix_fallocate64(int fd, off64_t at, off64_t size)
{
    NEXT(posix_fallocate64);
    return AtTurn(
        "posix_fallocate", [&] { return next(fd, at, size); }, [] { return EIO; });
}

} // extern "C"
