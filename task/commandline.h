// The program's command line: a teacher's task file and variant, the list
// of answers for grading, a zoom for the projector and the language. Without
// options the program starts as it always does.
#pragma once

#include "task/taskfile.h"

#include <QStringList>

#include <optional>

namespace task {

struct Start {
    std::optional<int> exitStatus; // set: end now with it, no window (help, version, answers, errors)
    double zoom = 0;               // the whole window enlarged this many times; 0: not asked for
    Task task;                     // from --task and --variant
    QString output;                // for standard output: help, version, answers
    QString errors;                // for standard error: what was wrong
    QString problem;               // what was wrong with an option, said on its own (for a message box)
};

// Reads `arguments` (the first is the program). Needs the application
// object for the program's name, version and the help text. --lang is read
// first and used at once, so that the help and every message are in that
// language. What the user asked to see (help, version, answers) is for
// standard output, a bad option or value for standard error with exit
// status 2.
Start readCommandLine(const QStringList &arguments);

// The options a web page's link carries, ?task=FILE&variant=N&lang=CODE&zoom=FACTOR
// (a query as browsers write it: %-escapes, "+" for a blank), read as the
// same options of the command line, with the same meanings and messages. A
// parameter of another name is an error of its own.
Start readLink(const QString &query);

} // namespace task
