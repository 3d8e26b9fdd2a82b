// The teacher's task file: the values the parameter boxes start with, which
// of them the student does not see, ranges to draw a variant's values from,
// and a title for the window.
#pragma once

#include "circuit/variants.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>

namespace task {

// The five parameters in the order of circuit::Parameter, by their names in
// the file: E, r, Rv, Ra, Rmax.
constexpr int ParameterCount = 5;
const QStringList &parameterNames();

// What the main window starts with.
struct Task {
    QString title;                            // added to the window's title; empty: none
    std::array<QString, ParameterCount> texts; // the boxes' texts; empty: the box's own
    std::array<bool, ParameterCount> hidden{}; // masked and read-only
    QString error; // a file that cannot be used: what is wrong; everything else is empty
    int variant = 0; // the student's variant while a task file is in use; else 0
};

// A task file as read.
struct TaskFile {
    QString title;
    std::array<QString, ParameterCount> fixed; // [task]: the value as written
    std::array<std::optional<circuit::StepRange>, ParameterCount> ranges; // [random]
    std::uint64_t seed = 0;
    std::array<bool, ParameterCount> hidden{};
};

// Reads the file at `path`. A file that cannot be read, is not UTF-8 text or
// holds an unknown key or a bad value or range gives no file and a message
// naming the file, the line and the problem (lines joined by CR LF).
struct ReadResult {
    std::optional<TaskFile> file;
    QString error;
};
ReadResult readTaskFile(const QString &path);

// The five parameters' texts in `variant`: a fixed value as written, a drawn
// value, or the box's own initial text.
std::array<QString, ParameterCount> variantTexts(const TaskFile &file, int variant);

// The task of `variant` from the file at `path`; for a bad file only `error`,
// which adds that the program starts with its usual values.
Task loadTask(const QString &path, int variant);

} // namespace task
