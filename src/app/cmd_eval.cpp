#include "app/cmd_eval.h"

#include <algorithm>

#include "app/cli.h"
#include "expr/math_parse.h"
#include "settings/cp1251.h"

namespace lumenrig::cli {

namespace {

constexpr const char* kUsage = "usage: lumenrig-cli eval [--int] [--degrees] [--] FORMULA [ARG ...]\n";

struct EvalOutcome : lr::Element {
    lr::TData result;
    int errorIndex = -1;
    void take(lr::TData& d) { result = d; }
    void fail(lr::TData& d) { errorIndex = d.intValue; }
};

std::string oneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\r', ' ');
    text.erase(std::remove(text.begin(), text.end(), '\n'), text.end());
    return text;
}

}  // namespace

ArgumentInputs::ArgumentInputs(const std::vector<std::string>& texts) {
    for (const std::string& t : texts)
        values_.emplace_back().value = lr::makeReal(lr::parseReal(t));
}

void ArgumentInputs::connect(std::vector<lr::Point>& inputs) {
    for (std::size_t i = 0; i < values_.size() && i < inputs.size(); ++i)
        inputs[i] = lr::bind<&Value::get>(values_[i]);
}

int printOutcome(int status, const std::string& out, const std::string& err, std::FILE* outFile,
                 std::FILE* errFile) {
    std::fputs(settings::cp1251ToUtf8(out).c_str(), outFile);
    std::fputs(settings::cp1251ToUtf8(err).c_str(), errFile);
    return status;
}

int evalCommand(const std::vector<std::string>& words, std::string& out, std::string& err) {
    const Args args = splitArgs(words, {});
    bool integer = false;
    bool degrees = false;
    for (const std::string& o : args.options) {
        if (o == "--int") {
            integer = true;
        } else if (o == "--degrees") {
            degrees = true;
        } else {
            err = kUsage;
            return 2;
        }
    }
    if (args.arguments.empty()) {
        err = kUsage;
        return 2;
    }
    const std::vector<std::string> values(args.arguments.begin() + 1, args.arguments.end());
    lr::installDispatch();
    ArgumentInputs inputs(values);
    lr::THIMathParse parse(std::max<std::size_t>(values.size(), 1));
    inputs.connect(parse.X);
    EvalOutcome outcome;
    parse.onResult = lr::bind<&EvalOutcome::take>(outcome);
    parse.onError = lr::bind<&EvalOutcome::fail>(outcome);
    parse.ResultType = integer ? 0 : 1;
    parse.AngleMode = degrees ? 1 : 0;
    parse.setFormula(args.arguments[0]);
    lr::TData none;
    parse.doCalc(none);
    if (outcome.errorIndex >= 0) {
        const lr::TextPosition at = parse.errorPosition();
        out.append("error ").append(std::to_string(outcome.errorIndex)).append(" ");
        out.append(std::to_string(at.line)).append(":").append(std::to_string(at.column)).append("\n");
        err.append("lumenrig-cli eval: ")
            .append(oneLine(lr::errorReport(outcome.errorIndex, at)))
            .append("\n");
        return 1;
    }
    out.append(lr::toString(outcome.result)).append("\n");
    return 0;
}

int runEval(const std::vector<std::string>& words, std::FILE* out, std::FILE* err) {
    std::string o, e;
    const int status = evalCommand(words, o, e);
    return printOutcome(status, o, e, out, err);
}

}  // namespace lumenrig::cli
