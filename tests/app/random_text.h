#pragma once

#include <QString>
#include <random>

namespace tsp::testing {

// What a box is for, so that typed texts are often plausible for it and sessions get past the
// checks into the graph view.
enum class BoxRole { VertexCount, Iterations, White, Red, Other };

// A text a user might type or paste: plausible for the role, or made of digits, signs, blanks,
// letters, &H/&O prefixes, exponents, huge numbers and non-ASCII characters, now and then very
// long.
QString RandomText(std::mt19937& random, BoxRole role);

}  // namespace tsp::testing
