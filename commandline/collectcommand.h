#pragma once

// plimo-configurator --collect ARCHIVE --from CARD [--from CARD ...]: one line a card,
// "COLLECTED <card>: ...", "INCOMPLETE <card>: ...", "FAILED <card>: <reason>" or
// "STOPPED <card>: ..." (SIGINT, SIGTERM), the files that need a word indented below it,
// and a progress line on a terminal.

class QCommandLineParser;
class QString;
class QTextStream;

// Adds --collect. --from (a card folder, given many times) is the option --check's
// --free already has.
void AddCollectOption(QCommandLineParser& parser);

// Why the options given do not make a collect; empty when they do.
QString CollectUsageError(const QCommandLineParser& parser);

// Runs --collect with the preferences file read (for the names of config.ini and the
// clock file). 0 every card collected, 1 a card had files that could not be read (the
// rest collected), 2 a card or the archive failed, 128 + the signal that stopped it; 1 with
// a word on err where the command line is wrong.
int RunCollectCommand(const QCommandLineParser& parser, const QString& preferencesFile,
                      QTextStream& out, QTextStream& err);
