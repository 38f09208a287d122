#include "app/random_text.h"

#include <QStringList>

namespace tsp::testing {
namespace {

int Uniform(std::mt19937& random, int low, int high) {
  return std::uniform_int_distribution<int>(low, high)(random);
}

const QString& OneOf(std::mt19937& random, const QStringList& list) {
  return list[Uniform(random, 0, static_cast<int>(list.size()) - 1)];
}

// Large counts make every run button repeat its computation thousands of times; rare enough to
// keep a session short.
QString PlausibleIterations(std::mt19937& random) {
  if (Uniform(random, 0, 199) == 0) return QStringLiteral("2000");
  static const QStringList common = {"0", "1", "1", "2", "3", "-1", "-32768", "2.5", "1E0", "&H2"};
  return OneOf(random, common);
}

QString PlausibleRed(std::mt19937& random) {
  static const QStringList tricky = {"100", "-100", "100.5", "-100.9", "7 km", "1E1",
                                     "5.5", "4.5",  "0.3",   "-0.5",   "&H64", "&O17"};
  if (Uniform(random, 0, 3) == 0) return OneOf(random, tricky);
  int weight = 0;
  while (weight == 0) weight = Uniform(random, -100, 100);
  return QString::number(weight);
}

// Pieces that number readers trip over.
const QStringList& Fragments() {
  static const QStringList pieces = {
      "0",     "1",     "5",   "9",      "10",     "11",       "101",    "-101",   "200",
      "32767", "32768", "-",   "+",      " ",      "  ",       "\t",     ".",      "..",
      "E",     "e",     "E5",  "e-3",    "E+",     "1e400",    "-1e400", "1E-400", "&H",
      "&h",    "&O",    "&o",  "&HFFFF", "&H7FFF", "&O777777", "&HG",    "x",      "abc",
      "km",    ",",     "0.5", "2.5",    "-0",     "00",       "1,5",    "١",      "５",
      "é",     "ß",     "−",   "\u00a0", "\u200b", "😀",        "中",     "%",      "&",
      "\"",    "'",     "\\",  "?",      "(",      "NaN",      "inf",    "0x10",   "1d2"};
  return pieces;
}

QString Junk(std::mt19937& random) {
  QString text;
  const int count = Uniform(random, 0, 5);
  for (int i = 0; i < count; ++i) text += OneOf(random, Fragments());
  return text;
}

QString VeryLong(std::mt19937& random) {
  const QString piece = Uniform(random, 0, 1) == 0 ? OneOf(random, Fragments()) : Junk(random);
  const int length = Uniform(random, 200, 5000);
  QString text = Uniform(random, 0, 1) == 0 ? QStringLiteral("1") : QString();
  while (text.size() < length) text += piece.isEmpty() ? QStringLiteral("9") : piece;
  return text;
}

}  // namespace

QString RandomText(std::mt19937& random, BoxRole role) {
  const int dice = Uniform(random, 0, 99);
  if (dice < 2) return VeryLong(random);
  const int plausible = role == BoxRole::White ? 85 : role == BoxRole::Other ? 0 : 65;
  if (dice < plausible) {
    switch (role) {
      case BoxRole::VertexCount:
        return QString::number(Uniform(random, 1, 10));
      case BoxRole::Iterations:
        return PlausibleIterations(random);
      case BoxRole::White:
        return Uniform(random, 0, 2) == 0 ? QStringLiteral("0") : QStringLiteral("1");
      case BoxRole::Red:
        return PlausibleRed(random);
      case BoxRole::Other:
        break;
    }
  }
  return Junk(random);
}

}  // namespace tsp::testing
