#pragma once

// The lines two texts differ by, for tests that hold an edit to the lines it should change.

#include <string>
#include <vector>

namespace vantrel::test {

// The lines that differ, in order, each with its line end so that a changed line end shows:
// "-" and a line of `before` that is gone, "+" and a line of `after` that is new.
std::vector<std::string> lineDiff(const std::string& before, const std::string& after);

} // namespace vantrel::test
