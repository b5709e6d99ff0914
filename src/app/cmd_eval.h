#pragma once
// lumenrig-cli eval [--int] [--degrees] FORMULA [ARG ...]: one calculation of the formula interpreter,
// each ARG a number on a connected input X1, X2, ...
// Prints the result, or "error I L:C" (I the error index, L:C line and column) and exits 1.
#include <cstdio>
#include <deque>
#include <string>
#include <vector>

#include "runtime/element.h"
#include "runtime/point.h"

namespace lumenrig::cli {

int evalCommand(const std::vector<std::string>& words, std::string& out, std::string& err);
int runEval(const std::vector<std::string>& words, std::FILE* out, std::FILE* err);

// Numbers given on the command line (read by the runtime's number text rule), each offered as a
// connected data input.
class ArgumentInputs {
  public:
    explicit ArgumentInputs(const std::vector<std::string>& texts);
    void connect(std::vector<lr::Point>& inputs);

  private:
    struct Value : lr::Element {
        lr::TData value;
        void get(lr::TData& d) { d = value; }
    };
    std::deque<Value> values_;
};

// Writes what a command produced (converted to UTF-8) and returns its status.
int printOutcome(int status, const std::string& out, const std::string& err, std::FILE* outFile,
                 std::FILE* errFile);

}  // namespace lumenrig::cli
