#include "app/cmd_compile.h"

#include "app/cli.h"
#include "app/cmd_eval.h"
#include "expr/fast_math_parse.h"
#include "expr/float_check.h"
#include "runtime/error.h"

namespace lumenrig::cli {

namespace {

constexpr const char* kUsage = "usage: lumenrig-cli compile [--real] [--] FORMULA [ARG ...]\n";

struct CompileOutcome : lr::Element {
    std::string listing;
    lr::TData result;
    void line(lr::TData& d) { listing += d.text + "\n"; }
    void take(lr::TData& d) { result = d; }
};

std::string errorName(int code) {
    return lr::fpu::isFloatError(code) ? "fpu" : std::to_string(code);
}

std::string errorText(int code) {
    if (code == lr::error::Syntax) return "syntax error";
    if (code == lr::error::NoData) return "missing data";
    std::string text = "floating-point fault ";
    text += std::to_string(code);
    return text;
}

}  // namespace

int compileCommand(const std::vector<std::string>& words, std::string& out, std::string& err) {
    const Args args = splitArgs(words, {});
    bool real = false;
    for (const std::string& o : args.options) {
        if (o != "--real") {
            err = kUsage;
            return 2;
        }
        real = true;
    }
    if (args.arguments.empty()) {
        err = kUsage;
        return 2;
    }
    const std::vector<std::string> values(args.arguments.begin() + 1, args.arguments.end());
    lr::installDispatch();
    ArgumentInputs inputs(values);
    lr::THIFastMathParse compiler(values.size());
    inputs.connect(compiler.X);
    CompileOutcome outcome;
    compiler.onListing = lr::bind<&CompileOutcome::line>(outcome);
    compiler.onResult = lr::bind<&CompileOutcome::take>(outcome);
    compiler.ResultType = real ? 1 : 0;
    compiler.setFormula(args.arguments[0]);
    lr::TData none;
    try {
        compiler.doCalc(none);
    } catch (const lr::ElementError& e) {
        out.append("error ").append(errorName(e.code())).append("\n");
        err.append("lumenrig-cli compile: ").append(errorText(e.code())).append("\n");
        return 1;
    }
    out.append(outcome.listing).append("result ").append(lr::toString(outcome.result)).append("\n");
    return 0;
}

int runCompile(const std::vector<std::string>& words, std::FILE* out, std::FILE* err) {
    std::string o, e;
    const int status = compileCommand(words, o, e);
    return printOutcome(status, o, e, out, err);
}

}  // namespace lumenrig::cli
