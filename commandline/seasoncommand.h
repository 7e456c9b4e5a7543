#pragma once

// plimo-configurator --season ARCHIVE: a line per card of an archive that --collect filled
// (its days recorded of its days deployed, playing time, days without recordings,
// recordings from a clock set wrong) and a closing line; ARCHIVE/season.csv,
// ARCHIVE/deployments-table.csv and ARCHIVE/season.png written beside the cards.

class QCommandLineParser;
class QString;
class QTextStream;

// Adds --season.
void AddSeasonOption(QCommandLineParser& parser);

// Why the options given do not make a --season; empty when they do.
QString SeasonUsageError(const QCommandLineParser& parser);

// 0 nothing needs a look, 1 a card needs one, 2 the archive cannot be read or a file of
// the season cannot be written.
int RunSeasonCommand(const QCommandLineParser& parser, const QString& preferencesFile,
                     QTextStream& out, QTextStream& err);
