#pragma once
// The placeholder keys of the scheme formulas. The key list resource "Str2" holds a heading on line 0
// and on line n the braced key that becomes the interpreter's argument n ("{band_1}" -> %1).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lr::organ {

// The resource's text, embedded at build time.
std::string_view keyListText();
// Its lines, heading included, without line ends.
const std::vector<std::string>& keyList();
// The argument number of a braced key (exact, case-sensitive); nothing when it is not listed.
std::optional<int> argumentOf(std::string_view key);
// The shared variable that argument n reads: its key without the braces.
std::string variableOf(int argument);
// The argument the evaluator's own random generator answers.
int ownRandomArgument();

// Every "{...}" block becomes "%" and its argument number ("%-1" when unknown); an empty text
// becomes "%0", which keeps the previous result.
std::string translateFormula(std::string_view text);

}  // namespace lr::organ
