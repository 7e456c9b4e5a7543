// libplimofault.so: fails the Nth file-changing call with EIO (see faultinject.h).
// Every wrapper hands the call on to the next definition (the C library, or the
// sanitizer's interceptor), found with dlsym(RTLD_NEXT).
#include "faultinject.h"

#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace
{

std::atomic<bool> armed{false};
std::atomic<long> calls{0};
long failFrom = 0;
long failCount = 1;
char failedCall[32];

// Reads PLIMO_FAULT_AT and PLIMO_FAULT_COUNT once, for a process started with the
// library preloaded.
__attribute__((constructor)) void ArmFromEnvironment()
{
    const char* at = std::getenv("PLIMO_FAULT_AT");
    if (!at)
        return;
    const char* count = std::getenv("PLIMO_FAULT_COUNT");
    FaultArm(std::atol(at), count ? std::atol(count) : 1);
}

// Counts one file-changing call; true when it is to fail (errno is then EIO).
bool Fails(const char* name)
{
    if (!armed.load())
        return false;
    const long n = ++calls;
    if (std::getenv("PLIMO_FAULT_TRACE"))
        ::dprintf(2, "fault point %ld: %s\n", n, name);
    if (failFrom <= 0 || n < failFrom || n >= failFrom + failCount)
        return false;
    if (failedCall[0] == '\0') {
        std::strncpy(failedCall, name, sizeof failedCall - 1);
    }
    errno = EIO;
    return true;
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

void FaultDisarm()
{
    armed = false;
    calls = 0;
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

int open(const char* path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    NEXT(open);
    const mode_t mode = ModeArgument(flags, args);
    va_end(args);
    if (OpensForWriting(flags) && Fails("open"))
        return -1;
    return next(path, flags, mode);
}

int open64(const char* path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    NEXT(open64);
    const mode_t mode = ModeArgument(flags, args);
    va_end(args);
    if (OpensForWriting(flags) && Fails("open"))
        return -1;
    return next(path, flags, mode);
}

int openat(int dir, const char* path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    NEXT(openat);
    const mode_t mode = ModeArgument(flags, args);
    va_end(args);
    if (OpensForWriting(flags) && Fails("openat"))
        return -1;
    return next(dir, path, flags, mode);
}

int openat64(int dir, const char* path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    NEXT(openat64);
    const mode_t mode = ModeArgument(flags, args);
    va_end(args);
    if (OpensForWriting(flags) && Fails("openat"))
        return -1;
    return next(dir, path, flags, mode);
}

int creat(const char* path, mode_t mode)
{
    NEXT(creat);
    return Fails("creat") ? -1 : next(path, mode);
}

int creat64(const char* path, mode_t mode)
{
    NEXT(creat64);
    return Fails("creat") ? -1 : next(path, mode);
}

ssize_t write(int fd, const void* buffer, size_t size)
{
    NEXT(write);
    if (IsFile(fd) && FollowsShortWrite())
        return -1;
    if (IsFile(fd) && Fails("write"))
        return ShortWrite([&](size_t n) { return next(fd, buffer, n); }, size);
    return next(fd, buffer, size);
}

ssize_t pwrite(int fd, const void* buffer, size_t size, off_t at)
{
    NEXT(pwrite);
    if (IsFile(fd) && FollowsShortWrite())
        return -1;
    if (IsFile(fd) && Fails("pwrite"))
        return ShortWrite([&](size_t n) { return next(fd, buffer, n, at); }, size);
    return next(fd, buffer, size, at);
}

ssize_t pwrite64(int fd, const void* buffer, size_t size, off64_t at)
{
    NEXT(pwrite64);
    if (IsFile(fd) && FollowsShortWrite())
        return -1;
    if (IsFile(fd) && Fails("pwrite"))
        return ShortWrite([&](size_t n) { return next(fd, buffer, n, at); }, size);
    return next(fd, buffer, size, at);
}

int ftruncate(int fd, off_t size)
{
    NEXT(ftruncate);
    return Fails("ftruncate") ? -1 : next(fd, size);
}

int ftruncate64(int fd, off64_t size)
{
    NEXT(ftruncate64);
    return Fails("ftruncate") ? -1 : next(fd, size);
}

int truncate(const char* path, off_t size)
{
    NEXT(truncate);
    return Fails("truncate") ? -1 : next(path, size);
}

int truncate64(const char* path, off64_t size)
{
    NEXT(truncate64);
    return Fails("truncate") ? -1 : next(path, size);
}

int fallocate(int fd, int mode, off_t at, off_t size)
{
    NEXT(fallocate);
    return Fails("fallocate") ? -1 : next(fd, mode, at, size);
}

int fallocate64(int fd, int mode, off64_t at, off64_t size)
{
    NEXT(fallocate64);
    return Fails("fallocate") ? -1 : next(fd, mode, at, size);
}

// posix_fallocate returns the error instead of setting errno.
int posix_fallocate(int fd, off_t at, off_t size)
{
    NEXT(posix_fallocate);
    return Fails("posix_fallocate") ? EIO : next(fd, at, size);
}

int posix_fallocate64(int fd, off64_t at, off64_t size)
{
    NEXT(posix_fallocate64);
    return Fails("posix_fallocate") ? EIO : next(fd, at, size);
}

int fsync(int fd)
{
    NEXT(fsync);
    return Fails("fsync") ? -1 : next(fd);
}

int fdatasync(int fd)
{
    NEXT(fdatasync);
    return Fails("fdatasync") ? -1 : next(fd);
}

int rename(const char* from, const char* to)
{
    NEXT(rename);
    return Fails("rename") ? -1 : next(from, to);
}

int renameat(int fromDir, const char* from, int toDir, const char* to)
{
    NEXT(renameat);
    return Fails("renameat") ? -1 : next(fromDir, from, toDir, to);
}

int renameat2(int fromDir, const char* from, int toDir, const char* to, unsigned flags)
{
    NEXT(renameat2);
    return Fails("renameat2") ? -1 : next(fromDir, from, toDir, to, flags);
}

int link(const char* from, const char* to)
{
    NEXT(link);
    return Fails("link") ? -1 : next(from, to);
}

int linkat(int fromDir, const char* from, int toDir, const char* to, int flags)
{
    NEXT(linkat);
    return Fails("linkat") ? -1 : next(fromDir, from, toDir, to, flags);
}

int unlink(const char* path)
{
    NEXT(unlink);
    return Fails("unlink") ? -1 : next(path);
}

int unlinkat(int dir, const char* path, int flags)
{
    NEXT(unlinkat);
    return Fails("unlinkat") ? -1 : next(dir, path, flags);
}

int remove(const char* path)
{
    NEXT(remove);
    return Fails("remove") ? -1 : next(path);
}

int chown(const char* path, uid_t user, gid_t group)
{
    NEXT(chown);
    return Fails("chown") ? -1 : next(path, user, group);
}

int fchown(int fd, uid_t user, gid_t group)
{
    NEXT(fchown);
    return Fails("fchown") ? -1 : next(fd, user, group);
}

int lchown(const char* path, uid_t user, gid_t group)
{
    NEXT(lchown);
    return Fails("lchown") ? -1 : next(path, user, group);
}

int fchownat(int dir, const char* path, uid_t user, gid_t group, int flags)
{
    NEXT(fchownat);
    return Fails("fchownat") ? -1 : next(dir, path, user, group, flags);
}

int chmod(const char* path, mode_t mode)
{
    NEXT(chmod);
    return Fails("chmod") ? -1 : next(path, mode);
}

int fchmod(int fd, mode_t mode)
{
    NEXT(fchmod);
    return Fails("fchmod") ? -1 : next(fd, mode);
}

int fchmodat(int dir, const char* path, mode_t mode, int flags)
{
    NEXT(fchmodat);
    return Fails("fchmodat") ? -1 : next(dir, path, mode, flags);
}

} // extern "C"
