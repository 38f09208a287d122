#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "core/files/graph_file.h"

namespace tsp {
namespace {

GraphDocument TwoVertices() {
  return GraphDocument{2, "1", {"0", "1", "0", "0"}, {"1", "5", "1", "1"}};
}

std::string Error(const std::variant<GraphDocument, FileError>& result) {
  const auto* error = std::get_if<FileError>(&result);
  return error ? error->What : "(read)";
}

std::string Repeated(const std::string& piece, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += piece;
  return text;
}

TEST(GraphFileTitle, KeepsTitleAndDescriptionCharacterForCharacter) {
  GraphDocument document = TwoVertices();
  document.Title = Repeated("\xC3\xA9", MaxTitleCharacters - 1) + "\"";
  document.Description = "Press \"Optimum\".\nThen\tcompare: \\ \xE2\x80\x93 " +
                         Repeated("x", MaxDescriptionCharacters - 40);
  const std::string file = WriteGraphFile(document);
  EXPECT_NE(file.find("  \"version\": 1,\n  \"title\": \"\xC3\xA9"), std::string::npos) << file;
  const auto read = ReadGraphFile(file);
  ASSERT_EQ(Error(read), "(read)") << file;
  EXPECT_EQ(std::get<GraphDocument>(read), document);
}

TEST(GraphFileTitle, FilesWithoutThemAndUnknownKeysReadAsBefore) {
  const GraphDocument plain = TwoVertices();
  const std::string file = WriteGraphFile(plain);
  EXPECT_EQ(file.find("title"), std::string::npos);
  EXPECT_EQ(file.find("description"), std::string::npos);
  std::string extended = file;
  extended.insert(2,
                  "\"claims\": {\"ratios\": {\"tree_tour\": \"1.80\"}}, \"later\": [1, null],\n");
  const auto read = ReadGraphFile(extended);
  ASSERT_EQ(Error(read), "(read)") << extended;
  EXPECT_EQ(std::get<GraphDocument>(read), plain);
}

struct NoteCase {
  std::string Key;
  std::string Value;  // as JSON
  std::string Message;
};

class GraphFileNoteError : public ::testing::TestWithParam<NoteCase> {};

TEST_P(GraphFileNoteError, IsRefusedWithItsReason) {
  std::string file = WriteGraphFile(TwoVertices());
  file.insert(2, "\"" + GetParam().Key + "\": " + GetParam().Value + ",\n");
  EXPECT_EQ(Error(ReadGraphFile(file)), GetParam().Message) << file;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GraphFileNoteError,
    ::testing::Values(
        NoteCase{"title", "7", "Key \"title\" must be a text."},
        NoteCase{"description", "{\"hex\": \"41\"}", "Key \"description\" must be a text."},
        NoteCase{"title", "\"" + Repeated("\xC3\xA9", MaxTitleCharacters + 1) + "\"",
                 "Key \"title\" is 81 characters long; at most 80 are allowed."},
        NoteCase{"description", "\"" + Repeated("ab", MaxDescriptionCharacters / 2 + 1) + "\"",
                 "Key \"description\" is 1502 characters long; at most 1500 are allowed."},
        NoteCase{"title", "\"two\\nlines\"",
                 "Key \"title\" must be one line, without control characters."},
        NoteCase{"description", "\"bell\\u0007\"",
                 "Key \"description\" holds a control character; only line breaks and tabs are "
                 "allowed."}));

}  // namespace
}  // namespace tsp
