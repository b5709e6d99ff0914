#include "runtime/elements/global_var.h"

#include "runtime/globals.h"

namespace lr {

THIGlobalVar::THIGlobalVar(std::string name) {
    if (!name.empty()) slot_ = &globalVar(name);
}

void THIGlobalVar::doValue(TData& data) {
    if (slot_) *slot_ = copySingle(data);
    fire(onValue, data);
}

void THIGlobalVar::Var(TData& data) {
    data = slot_ ? *slot_ : makeNull();
}

}  // namespace lr
