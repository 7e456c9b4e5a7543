#include "commandline/checksums.h"

#include "commandline/verifiedcopy.h"
#include "platform/folderplatform.h"
#include "platform/savefile.h"
#include "recorder_files/configcheck.h"

#include <QFile>
#include <QFileInfo>

QByteArray ChecksumLines(const Checksums& sums)
{
    QByteArray lines;
    for (auto it = sums.cbegin(); it != sums.cend(); ++it) {
        QByteArray name = it.key();
        const bool escaped = name.contains('\\') || name.contains('\n') || name.contains('\r');
        if (escaped)
            name.replace('\\', "\\\\").replace('\n', "\\n").replace('\r', "\\r");
        lines += (escaped ? "\\" : "") + it.value() + "  " + name + '\n';
    }
    return lines;
}

Checksums ParseChecksums(const QByteArray& bytes)
{
    Checksums sums;
    for (QByteArray line : bytes.split('\n')) {
        const bool escaped = line.startsWith('\\');
        if (escaped)
            line.remove(0, 1);
        if (line.size() < 67 || line.mid(64, 2) != "  ")
            continue;
        QByteArray name = line.mid(66);
        if (escaped) {
            QByteArray plain;
            for (int i = 0; i < name.size(); ++i) {
                const char c = name.at(i);
                const char next = i + 1 < name.size() ? name.at(i + 1) : '\0';
                if (c != '\\' || next == '\0') {
                    plain += c;
                    continue;
                }
                plain += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
                ++i;
            }
            name = plain;
        }
        sums.insert(name, line.left(64));
    }
    return sums;
}

namespace
{

QByteArray ChecksumFileBytes(const QString& folder)
{
    QByteArray old;
    const QString fileName = folder + QLatin1String(ChecksumFileName);
    if (!QFileInfo::exists(fileName) || !ReadSmallFile(fileName, LargestListFile, &old).isEmpty())
        return QByteArray();
    return old;
}

} // namespace

Checksums ReadChecksumFile(const QString& folder)
{
    return ParseChecksums(ChecksumFileBytes(folder));
}

QString UpdateChecksumFile(const QString& folder, const Checksums& sums)
{
    const QString fileName = folder + QLatin1String(ChecksumFileName);
    const QByteArray old = ChecksumFileBytes(folder);
    Checksums all = ParseChecksums(old);
    for (auto it = all.begin(); it != all.end();) {
        FolderEntry entry;
        if (LookAt(QFile::encodeName(folder) + it.key(), &entry) && entry.kind == EntryKind::File)
            ++it;
        else
            it = all.erase(it);
    }
    all.insert(sums);
    const QByteArray lines = ChecksumLines(all);
    if (lines == old)
        return QString();
    const FileResult result = WriteFileSafely(fileName, lines);
    return result.ok ? QString() : result.error;
}
