#pragma once

#include "CommandLine.h"

#include <cstdio>

class QString;

// What a program's --help tells: the texts are the Japanese sources, marked
// with QT_TRANSLATE_NOOP("CommandLine", …) and translated when shown.
struct ProgramUsage {
    const char *program;
    // The arguments after the options in the synopsis, as "[フォルダー|ファイル]";
    // empty for a program that takes none.
    const char *operands;
    // What the program does, in a line.
    const char *summary;
    // The files the program uses and where they are, a line for each.
    const char *files;
    CommandLineSyntax syntax;
};

// Reads the program's command line (see parseCommandLine) before anything
// needs a display. --help prints the usage and --version the program's name
// and version on standard output, for the exit status 0; a wrong command line
// prints what is wrong and the usage on standard error, for the status 2.
// The command line when the program is to run; otherwise the exit status.
Result<CommandLine, int> readCommandLine(int argc, char *argv[], const ProgramUsage &usage);

// Prints the usage on standard error for a command line that the program
// itself finds wrong, and gives the exit status of one.
int refuseCommandLine(const ProgramUsage &usage);

// Writes the text and a line end to `stream` in the encoding of the locale.
void writeLine(std::FILE *stream, const QString &text);
