// The worksheets as a teacher gets them: the program run without a display, its PDF files read
// back with pdftotext (poppler-utils) and compared with the program's own report.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Outcome {
  int Status = -1;
  std::string Out;
  std::string Err;
};

std::string Quoted(const std::string& text) {
  return "'" + text + "'";
}

std::string ReadAll(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

Outcome Shell(const std::string& command, const fs::path& errFile) {
  Outcome run;
  std::FILE* pipe = popen((command + " 2>" + Quoted(errFile.string())).c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
    run.Out.append(buffer, n);
  const int status = pclose(pipe);
  run.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.Err = ReadAll(errFile);
  return run;
}

class Worksheets : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/tsp-worksheets-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
    ASSERT_EQ(std::system("command -v pdftotext >/dev/null"), 0)
        << "pdftotext is missing: install poppler-utils";
  }
  void TearDown() override { fs::remove_all(dir_); }

  // The program without any display, as from a terminal without a desktop.
  Outcome Program(const std::vector<std::string>& arguments) const {
    std::string command =
        "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " + Quoted(TSP_PROGRAM);
    for (const std::string& argument : arguments) command += " " + Quoted(argument);
    return Shell(command, dir_ / "stderr");
  }

  // The text of a PDF file, pages separated by form feeds.
  std::string PdfText(const fs::path& pdf) const {
    const Outcome run =
        Shell("pdftotext -layout " + Quoted(pdf.string()) + " -", dir_ / "pdftotext-stderr");
    EXPECT_EQ(run.Status, 0) << run.Err;
    return run.Out;
  }

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  fs::path dir_;
};

// Without blanks and line breaks, which pdftotext puts where the lines of the page wrap.
std::string Squeezed(const std::string& text) {
  std::string squeezed;
  for (const char c : text) {
    if (c != ' ' && c != '\n' && c != '\f') squeezed += c;
  }
  return squeezed;
}

// The report line that starts with name, up to the end of its first parenthesis.
std::string ReportValue(const std::string& report, const std::string& name) {
  std::smatch match;
  const std::regex line("\n" + name + ": ([^(\n]*\\(weight -?[0-9]+)");
  EXPECT_TRUE(std::regex_search(report, match, line)) << name << " in\n" << report;
  return match.size() > 1 ? match[1].str() + ")" : "";
}

TEST_F(Worksheets, KeyHoldsTheReportsAnswersForEveryGraphWritten) {
  const Outcome run =
      Program({"--worksheet", Path("sheets.pdf"), "--key", Path("key.pdf"), "--count", "2",
               "--vertices", "6", "--seed", "2026", "--graphs", Path("graphs")});
  ASSERT_EQ(run.Status, 0) << run.Err;
  EXPECT_EQ(run.Err, "");
  const std::string sheets = PdfText(dir_ / "sheets.pdf");
  const std::string key = Squeezed(PdfText(dir_ / "key.pdf"));
  EXPECT_EQ(std::count(sheets.begin(), sheets.end(), '\f'), 2) << "one page per student";

  const std::size_t second = key.find("Sheet2026-2");
  ASSERT_NE(second, std::string::npos);
  for (int k = 1; k <= 2; ++k) {
    const std::string id = "Sheet 2026-" + std::to_string(k);
    EXPECT_NE(sheets.find(id), std::string::npos) << id;
    const std::string answers = k == 1 ? key.substr(0, second) : key.substr(second);
    const std::string graph = Path("graphs/sheet-2026-" + std::to_string(k) + ".tspgraph");
    const Outcome report = Program({"--report", graph});
    ASSERT_EQ(report.Status, 0) << report.Err;

    const std::string tree = ReportValue(report.Out, "Spanning tree");
    const std::string expected[] = {
        "1.Prim'sspanningtree:" + Squeezed(tree),
        "2.Treetour:" + Squeezed(ReportValue(report.Out, "Tree tour")),
        "3.Nearestneighbour:" + Squeezed(ReportValue(report.Out, "Nearest neighbour")),
        "4.Optimum:" + Squeezed(ReportValue(report.Out, "Optimum")),
    };
    for (const std::string& answer : expected) {
      EXPECT_NE(answers.find(answer), std::string::npos) << answer << " in\n" << answers;
    }
    // Random weights from 1 to 99 break some triangle: the key gives the report's first ones.
    std::smatch broken;
    ASSERT_TRUE(std::regex_search(report.Out, broken,
                                  std::regex("[0-9]+ triangles break it, the first: [^;]*")));
    EXPECT_NE(answers.find("5.Factor-2guarantee:No:" + Squeezed(broken[0].str())),
              std::string::npos)
        << broken[0] << " in\n"
        << answers;
    // The students' sheets ask; they do not answer.
    EXPECT_EQ(Squeezed(sheets).find(Squeezed(tree)), std::string::npos) << tree;
  }
}

TEST_F(Worksheets, TheSameArgumentsGiveTheSameSheets) {
  const auto make = [&](const std::string& folder, const std::string& seed) {
    fs::create_directory(dir_ / folder);
    const Outcome run =
        Program({"--worksheet", Path(folder + "/s.pdf"), "--key", Path(folder + "/k.pdf"),
                 "--count", "2", "--vertices", "5", "--seed", seed, "--metric", "--questions",
                 "guarantee,optimum,kruskal", "--graphs", Path(folder)});
    EXPECT_EQ(run.Status, 0) << run.Err;
    return PdfText(dir_ / folder / "s.pdf") + PdfText(dir_ / folder / "k.pdf") +
           ReadAll(dir_ / folder / ("sheet-" + seed + "-2.tspgraph"));
  };
  const std::string first = make("first", "7");
  EXPECT_EQ(make("again", "7"), first);
  EXPECT_NE(make("other", "8"), first);

  // Graphs in which every triangle holds, the questions in the order asked.
  const std::string key = Squeezed(PdfText(dir_ / "first" / "k.pdf"));
  for (const std::string sheet : {"Sheet7-1", "Sheet7-2"}) {
    const std::string expected = sheet + "1.Factor-2guarantee:Yes";
    const std::size_t at = key.find(expected);
    ASSERT_NE(at, std::string::npos) << expected << " in\n" << key;
    EXPECT_LT(key.find("2.Optimum:", at), key.find("3.Kruskal'sspanningtree:", at));
  }
}

TEST_F(Worksheets, WritesNoPdfWhenAFileCannotBeWritten) {
  std::ofstream(dir_ / "sheets.pdf") << "last week's sheets";
  const Outcome run = Program({"--worksheet", Path("sheets.pdf"), "--key", Path("missing/key.pdf"),
                               "--graphs", Path("graphs")});
  EXPECT_EQ(run.Status, 2);
  EXPECT_TRUE(std::regex_match(run.Err, std::regex("Cannot write [^\n]*missing/key.pdf: [^\n]+\n")))
      << run.Err;
  EXPECT_EQ(ReadAll(dir_ / "sheets.pdf"), "last week's sheets");
  EXPECT_FALSE(fs::exists(dir_ / "graphs"));
}

}  // namespace
