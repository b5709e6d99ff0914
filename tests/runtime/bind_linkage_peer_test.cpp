#include "runtime/element.h"
#include "runtime/point.h"

namespace {
// Laid out differently from the Outcome of bind_linkage_test.cpp, so a mixed-up thunk shows.
struct Outcome : lr::Element {
    double before = 0;
    int seen = 0;
    void take(lr::TData& d) { seen = d.intValue * 6; }
};
}  // namespace

int firePeerOutcome() {
    Outcome peer;
    lr::fireInteger(lr::bind<&Outcome::take>(peer), 7);
    return peer.seen;
}
