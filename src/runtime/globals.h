#pragma once
// Global variables: process-wide named TData slots, names compared ignoring ASCII case.
#include <string_view>

#include "runtime/tdata.h"

namespace lr {

// The slot of that name, created holding Null on first use; it lives until the process ends.
TData& globalVar(std::string_view name);
// Empties every slot (tests).
void resetGlobalVars();

}  // namespace lr
