#pragma once

#include <QString>
#include <cstdio>
#include <optional>

namespace tsp {

// What the program does for its command line; each returns the exit status.

// Prints the report of a graph file (or CSV matrix) on out, as text or as one JSON object; a
// file that cannot be used gets one message on err and the status 2. Without a file at the
// path, an example's id stands for its file.
int PrintReport(const QString& pathOrId, bool json, std::FILE* out, std::FILE* err);

// Prints "id<TAB>title" for every example, in UTF-8; without any, one line on err and the
// status 2.
int PrintExamples(std::FILE* out, std::FILE* err);

// The file of the example with this id; an unknown id gets one line on err.
std::optional<QString> ExampleFile(const QString& id, std::FILE* err);

// Shows the start screen and runs the windows until the last one is gone; with a file, starts
// with it open in the matrix editor (its messages also go to standard error).
int RunWindows(int& argc, char** argv, const QString& fileToOpen);

}  // namespace tsp
