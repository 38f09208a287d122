#pragma once

#include <QString>
#include <cstdio>

namespace tsp {

// What the program does for its command line; each returns the exit status.

// Prints the report of a graph file (or CSV matrix) on out, as text or as one JSON object; a
// file that cannot be used gets one message on err and the status 2.
int PrintReport(const QString& path, bool json, std::FILE* out, std::FILE* err);

// Shows the start screen and runs the windows until the last one is gone; with a file, starts
// with it open in the matrix editor (its messages also go to standard error).
int RunWindows(int& argc, char** argv, const QString& fileToOpen);

}  // namespace tsp
