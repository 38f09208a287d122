#pragma once

#include <QString>
#include <cstdio>

#include "core/worksheet/worksheet.h"

namespace tsp {

inline constexpr int MaxWorksheetCount = 1000;

struct WorksheetOptions {
  QString SheetsPath;    // the students' sheets, one page each (more when the questions need it)
  QString KeyPath;       // the answer key, a different file
  QString GraphsFolder;  // where each sheet's .tspgraph goes; empty for none
  int Count = 1;         // 1 to MaxWorksheetCount
  WorksheetSettings Settings;
};

// Writes the sheets and their key as A4 PDF files (text as text), and the graphs when a folder is
// given; needs no display. Every file is written whole or not at all, the two PDF files last:
// when a file cannot be written, err gets one line naming it and saying why, the status is 2,
// and the PDF files stay as they were (unless the disk fails between the key's last step and
// the sheets').
int WriteWorksheets(const WorksheetOptions& options, std::FILE* err);

}  // namespace tsp
