#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace tsp {

// One of the example graphs that come with the program: a .tspgraph file of the examples
// folder, named by its id.
struct Example {
  QString Id;  // the file name without ".tspgraph": "petersen"
  QString Path;
  QString Title;  // the file's title, the id where it has none
  QString Description;
};

// Where the examples may be, in the order looked at: beside the program in a build folder
// (the "examples" link to the source folder that CMake makes), under the data folder of the
// installation the program runs from (bin/../share/tsp-simulator/examples), and under the
// data folder of the prefix it was configured for.
QStringList ExampleFolderCandidates();
// The first of them that exists; empty when none does.
QString ExampleFolder();
// Says that the folder (or, when it is empty, every candidate) holds no example.
QString NoExamplesText(const QString& folder);

// The examples of the folder that can be read, by id; a file that cannot be read is left out.
std::vector<Example> ListExamples(const QString& folder);

// The file of the example with this id in the folder; empty when there is none. Ids are
// lower-case letters, digits and dashes, so that no id leads out of the folder.
QString ExamplePath(const QString& folder, const QString& id);

}  // namespace tsp
