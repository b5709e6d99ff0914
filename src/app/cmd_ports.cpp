#include "app/cmd_ports.h"

#include "device/com.h"
#include "runtime/point.h"

namespace lumenrig::cli {

namespace {

struct ItemPrinter : lr::Element {
    explicit ItemPrinter(std::FILE* out) : out(out) {}
    void print(lr::TData& item) { std::fprintf(out, "%s\n", lr::toString(item).c_str()); }
    std::FILE* out;
};

}  // namespace

int runPorts(const std::vector<std::string>& words, std::FILE* out, std::FILE* err) {
    if (!words.empty()) {
        std::fputs("usage: lumenrig-cli ports\n", err);
        return 2;
    }
    lr::installDispatch();
    ItemPrinter printer(out);
    lr::THIPortScan scan;
    scan.onItem = lr::bind<&ItemPrinter::print>(printer);
    lr::TData none;
    scan.doScan(none);
    return 0;
}

}  // namespace lumenrig::cli
