#include "core/files/graph_file.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <variant>
#include <vector>

#include "core/files/csv_matrix.h"
#include "core/graph/vertex.h"

namespace tsp {
namespace {

GraphDocument Document(int n, std::vector<std::string> white, std::vector<std::string> red) {
  return GraphDocument{n, "1", std::move(white), std::move(red)};
}

std::string Error(const std::variant<GraphDocument, FileError>& result) {
  const auto* error = std::get_if<FileError>(&result);
  return error ? error->What : "(read)";
}

// Texts as a user may type them, plus bytes that are not UTF-8.
std::string RandomText(std::mt19937& random) {
  static const std::vector<std::string> pieces = {"1",
                                                  "0",
                                                  "-7",
                                                  "2.5",
                                                  "abc",
                                                  " ",
                                                  "\"",
                                                  "\\",
                                                  "\n",
                                                  std::string(1, '\0'),
                                                  "\xC3\xA9",
                                                  "\xE2\x82\xAC",
                                                  "\xF0\x9F\x98\x80",
                                                  "\xFF",
                                                  "\xC3",
                                                  "\xED\xA0\x80",
                                                  "\xC0\xAF",
                                                  "{\"hex\":"};
  std::string text;
  const int length = std::uniform_int_distribution(0, 4)(random);
  for (int i = 0; i < length; ++i) {
    text += pieces[std::uniform_int_distribution<std::size_t>(0, pieces.size() - 1)(random)];
  }
  return text;
}

TEST(GraphFile, RoundTripKeepsEveryText) {
  std::mt19937 random(7);
  for (int trial = 0; trial < 300; ++trial) {
    const int n = trial % MaxVertices + 1;
    GraphDocument document{n, RandomText(random), {}, {}};
    for (int box = 0; box < n * n; ++box) {
      document.White.push_back(RandomText(random));
      document.Red.push_back(RandomText(random));
    }
    const std::string file = WriteGraphFile(document);
    ASSERT_TRUE(IsValidUtf8(file));
    const auto read = ReadGraphFile(file);
    ASSERT_EQ(Error(read), "(read)") << file;
    EXPECT_EQ(std::get<GraphDocument>(read), document) << file;
  }
}

TEST(GraphFile, WritesOneRowPerLineAndBytesAsHex) {
  const std::string expected = R"({
  "format": "tsp-simulator-graph",
  "version": 1,
  "vertexCount": 2,
  "iterations": "1",
  "white": [
    ["0", "1"],
    ["x\"y", "é"]
  ],
  "red": [
    ["1", {"hex": "ff41"}],
    ["", "1"]
  ]
}
)";
  EXPECT_EQ(WriteGraphFile(Document(2, {"0", "1", "x\"y", "é"},
                                    {"1",
                                     "\xFF"
                                     "A",
                                     "", "1"})),
            expected);
}

TEST(GraphFile, EveryCutFileIsAnError) {
  const std::string file = WriteGraphFile(Document(2, {"0", "1", "1", "0"}, {"1", "5", "5", "1"}));
  for (std::size_t size = 0; size + 1 < file.size(); ++size) {
    EXPECT_NE(Error(ReadGraphFile(file.substr(0, size))), "(read)") << size;
  }
}

struct ErrorCase {
  std::string From, To, Message;
};

class GraphFileError : public ::testing::TestWithParam<ErrorCase> {};

// Each case edits a valid three-vertex file and expects the message to name the place.
TEST_P(GraphFileError, NamesThePlace) {
  std::string file = WriteGraphFile(
      Document(3, std::vector<std::string>(9, "0"), std::vector<std::string>(9, "1")));
  const std::size_t at = file.find(GetParam().From);
  ASSERT_NE(at, std::string::npos);
  file.replace(at, GetParam().From.size(), GetParam().To);
  EXPECT_EQ(Error(ReadGraphFile(file)), GetParam().Message) << file;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GraphFileError,
    ::testing::Values(
        ErrorCase{"\"version\": 1,", "\"version\": 1;",
                  "Not a JSON file: invalid literal; expected '}' at line 3, column 15."},
        ErrorCase{"\"iterations\": \"1\"", "\"iterations\": \"\xC3\"",
                  "Not a JSON file: invalid string: ill-formed UTF-8 byte at line 5, column 19."},
        ErrorCase{"{", "[", "Not a JSON file: unexpected ':'; expected ']' at line 2, column 11."},
        ErrorCase{"-graph", "-map",
                  "Not a graph file: Key \"format\" should read \"tsp-simulator-graph\"."},
        ErrorCase{"\"version\": 1", "\"version\": 2",
                  "The file has format version 2; this program reads version 1 and older. A "
                  "newer version of the program is needed."},
        ErrorCase{"\"vertexCount\"", "\"count\"", "Key \"vertexCount\" is missing."},
        ErrorCase{"\"vertexCount\": 3", "\"vertexCount\": 3.0",
                  "Key \"vertexCount\" must be a whole number."},
        ErrorCase{"\"vertexCount\": 3", "\"vertexCount\": 11",
                  "Key \"vertexCount\" is 11; it must be from 1 to 10."},
        ErrorCase{"\"iterations\": \"1\"", "\"iterations\": 1",
                  "Key \"iterations\" must be a text."},
        ErrorCase{"\"red\"", "\"Red\"", "The red matrix is missing: no key \"red\" in the file."},
        ErrorCase{"\"vertexCount\": 3", "\"vertexCount\": 2",
                  "Key \"white\" has 3 rows; 2 vertices need 2."},
        ErrorCase{"[\"1\", \"1\", \"1\"],\n    [\"1\", \"1\", \"1\"]\n", "[\"1\"],\n[\"1\"]",
                  "Key \"red\", row 2 (B) has 1 boxes; 3 vertices need 3."},
        ErrorCase{"[\"0\", \"0\", \"0\"]\n", "[\"0\", 0, \"0\"]\n",
                  "Key \"white\", row 3 (C), column 2 (B) must be a text."},
        ErrorCase{"[\"0\", \"0\", \"0\"]\n", "[\"0\", {\"hex\": \"4\"}, \"0\"]\n",
                  "Key \"white\", row 3 (C), column 2 (B) must be a text."}));

TEST(GraphFile, RefusesLargeFilesAndSurvivesDeepNesting) {
  EXPECT_EQ(Error(ReadGraphFile(std::string(MaxFileBytes + 1, '['))),
            "The file is 1048577 bytes long; at most 1048576 bytes are read.");
  const std::size_t depth = MaxFileBytes / 2;
  EXPECT_EQ(Error(ReadGraphFile(std::string(depth, '[') + std::string(depth, ']'))),
            "Not a graph file: the JSON is not an object.");
}

struct CsvCase {
  std::string Bytes;
  std::vector<std::string> White, Red;
};

class CsvImport : public ::testing::TestWithParam<CsvCase> {};

TEST_P(CsvImport, ReadsTheWeights) {
  const auto read = ReadCsvMatrix(GetParam().Bytes, "3");
  ASSERT_EQ(Error(read), "(read)");
  const auto& document = std::get<GraphDocument>(read);
  EXPECT_EQ(document.VertexCount, 2);
  EXPECT_EQ(document.IterationText, "3");
  EXPECT_EQ(document.White, GetParam().White);
  EXPECT_EQ(document.Red, GetParam().Red);
}

const std::vector<std::string> kOneEdge = {"0", "1", "0", "0"};
const std::vector<std::string> kOneWeight = {"1", "7", "1", "1"};

INSTANTIATE_TEST_SUITE_P(
    Variants, CsvImport,
    ::testing::Values(
        CsvCase{"0,7\n0,0\n", kOneEdge, kOneWeight}, CsvCase{"0;7\r\n;\r\n", kOneEdge, kOneWeight},
        CsvCase{"\t7\n\t\n", kOneEdge, kOneWeight},
        CsvCase{"\xEF\xBB\xBF,A,B\nA,,7\nB,0,\n", kOneEdge, kOneWeight},
        CsvCase{" \"A\" ; b \n 0 ; \" 7 \" \n\n0;0", kOneEdge, kOneWeight},
        CsvCase{"a,0,7\rb,0,0\r", kOneEdge, kOneWeight},
        CsvCase{"A;B\nA;\"\";-2.5\nB;\"0\";0", kOneEdge, {"1", "-2.5", "1", "1"}},
        CsvCase{"A,B\n9,100\n-100,0.0", {"0", "1", "1", "0"}, {"1", "100", "-100", "1"}}));

class CsvError : public ::testing::TestWithParam<std::pair<std::string, std::string>> {};

TEST_P(CsvError, NamesThePlace) {
  EXPECT_EQ(Error(ReadCsvMatrix(GetParam().first, "1")), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CsvError,
    ::testing::Values(
        std::pair{"", "The file is empty: it holds no matrix."},
        std::pair{"\xEF\xBB\xBF\r\n  \n", "The file is empty: it holds no matrix."},
        std::pair{",A,B\n", "The file holds a header row but no matrix."},
        std::pair{"0,1\n1,x\n", "Line 2, cell 2: \"x\" is not a number."},
        std::pair{"0,1\n1,\xFF\n", "Line 2, cell 2 is not a number."},
        std::pair{"0,\"1,5\"\n1,0\n", "Line 1, cell 2: \"1,5\" is not a number."},
        std::pair{"0;1e2\n1;0\n", "Line 1, cell 2: \"1e2\" is not a number."},
        std::pair{"0,100.01\n1,0\n",
                  "Line 1, cell 2: \"100.01\" is outside the weights -100 to 100."},
        std::pair{"A,B\nA,0,1\nC,1,0\n",
                  "Line 3, cell 1: the header should name vertex B, not \"C\"."},
        std::pair{"A,C\n0,1\n1,0\n", "Line 1, cell 2: the header should name vertex B, not \"C\"."},
        std::pair{"0,1\n\n1\n",
                  "Line 3 has 1 cells, but line 1 has 2: all rows must have the same length."},
        std::pair{"0,1\n", "The matrix has 1 rows and 2 columns; it must be square."},
        std::pair{std::string(11, ';') + "\n" +
                      [] {
                        std::string rows;
                        for (int i = 0; i < 11; ++i) rows += std::string(11, ';') + "\n";
                        return rows;
                      }(),
                  "The matrix has 12 vertices; at most 10 are allowed."},
        std::pair{std::string(MaxFileBytes + 1, '1'),
                  "The file is 1048577 bytes long; at most 1048576 bytes are read."}));

}  // namespace
}  // namespace tsp
