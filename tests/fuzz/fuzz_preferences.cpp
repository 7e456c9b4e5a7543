// libFuzzer target over the preferences reader: the input is a preferences file. It is also
// written as "inc.cfg", a second file (a second name of the same file would be a cycle), so
// that an Include in the input reaches real content. Everything happens in a temporary
// folder that is the current directory, so included names without a folder stay inside it.

#include "app/preferences/preferences.h"
#include "preferencedefaults.h"

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QtGlobal>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace
{

// The input file and the file it may include, open for writing the whole run.
int inputHandles[2] = {-1, -1};

// Writes the input over each file's bytes and cuts what the last one left beyond them: the
// pages stay the file's, where opening with O_TRUNC gave them back on every input.
bool WriteInput(const uint8_t* data, size_t size)
{
    for (const int handle : inputHandles) {
        if (::pwrite(handle, data, size, 0) != ssize_t(size) ||
            ::ftruncate(handle, off_t(size)) != 0)
            return false;
    }
    return true;
}

bool Terminated(const char* text, size_t capacity)
{
    return std::memchr(text, '\0', capacity) != nullptr;
}

// What the reader must never break: every value still passes its row's checks and every
// text ends within its storage.
void CheckPreferences()
{
    const PreferenceValues& p = Preferences;
    const int32_t numbers[][3] = {
        {p.Debug, 0, 9},   {p.SizeX, 0, 2000},   {p.SizeY, 0, 2000},   {p.ToolTip, 0, 1},
        {p.SetTime, 0, 1}, {p.DelOldTime, 0, 1}, {p.ManualTime, 0, 1}, {p.ShiftTime, 0, 999},
    };
    for (const auto& n : numbers) {
        if (n[0] < n[1] || n[0] > n[2])
            std::abort();
    }
    bool ok = Terminated(p.CodeTable, sizeof p.CodeTable) &&
              Terminated(p.Language, sizeof p.Language) && Terminated(p.SDpath, sizeof p.SDpath) &&
              Terminated(p.CFGname, sizeof p.CFGname) && Terminated(p.TimeName, sizeof p.TimeName);
    for (int i = 0; i < 8; ++i)
        ok = ok && Terminated(p.HSample[i], 8) && Terminated(p.HMode[i], 8);
    if (!ok || ErrorText.size() > 255)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Codec warnings for odd CodeTable names would drown the fuzzer's own output.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    // In memory where the system offers it: on a disk file system each rewritten input is
    // flushed to the disk (a file cut to nothing and written again), which took most of
    // the time of every run.
    static QByteArray folder;
    char inMemory[] = "/dev/shm/fuzz_preferences.XXXXXX";
    char onDisk[] = "/tmp/fuzz_preferences.XXXXXX";
    const char* made = mkdtemp(inMemory);
    if (!made && !(made = mkdtemp(onDisk)))
        std::abort();
    folder = made;
    if (!QDir::setCurrent(QString::fromLatin1(folder)))
        std::abort();
    const char* names[2] = {"input.cfg", "inc.cfg"};
    for (int i = 0; i < 2; ++i) {
        inputHandles[i] = ::open(names[i], O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        if (inputHandles[i] < 0)
            std::abort();
    }
    std::atexit([] { QDir(QString::fromLatin1(folder)).removeRecursively(); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (!WriteInput(data, size))
        std::abort();
    ResetPreferences();
    PreferenceFile file(PreferenceTable);
    const int code = file.Read(QStringLiteral("input.cfg"));
    if (code < 0 || code > 30 || (code == 0 && !ErrorText.isEmpty()))
        std::abort();
    // A code without a message comes only from a bad Include name.
    if (code != 0 && ErrorText.isEmpty() && (code < 10 || code > 13))
        std::abort();
    CheckPreferences();
    return 0;
}
