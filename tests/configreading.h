#pragma once

// What the tests and the fuzzer read config.ini with beyond the program's own functions.

#include "recorder_files/configsettings.h"
#include "recorder_files/configwriter.h"

#include <QList>

struct ConfigLines {
    QList<ConfigLine> lines;
    ReadStopInfo stop;
};

// Reads a file held in memory, handing each line to onLine; returns where the reading
// stopped.
inline ReadStopInfo ReadConfigLines(const QByteArray& bytes,
                                    const std::function<void(const ConfigLine&)>& onLine)
{
    ConfigLineReader reader;
    reader.Feed(bytes.constData(), bytes.size(), onLine);
    return reader.Finish();
}

// The whole reading of a file held in memory.
inline ConfigLines SplitConfigLines(const QByteArray& bytes)
{
    ConfigLines result;
    result.stop =
        ReadConfigLines(bytes, [&](const ConfigLine& line) { result.lines.append(line); });
    return result;
}

// The one state the file cannot carry: an enabled timer whose day, month, hour and
// minute all stand at "any".
inline bool HasUnreadableTimer(const ConfigSettings& s)
{
    return !TimersNotRun(s).isEmpty();
}
