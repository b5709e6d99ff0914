#include <gtest/gtest.h>

#include "headless_fixture.h"
#include "runtime/element.h"

// Both this file and bind_linkage_peer_test.cpp bind a member of their own file-local `Outcome`;
// each point must reach its own file's class.
int firePeerOutcome();

namespace {
struct Outcome : lr::Element {
    int seen = 0;
    void take(lr::TData& d) { seen = d.intValue; }
};
}  // namespace

class BindLinkage : public HeadlessTest {};

TEST_F(BindLinkage, FileLocalClassesOfOneNameKeepTheirOwnThunks) {
    Outcome own;
    lr::fireInteger(lr::bind<&Outcome::take>(own), 7);
    EXPECT_EQ(own.seen, 7);
    EXPECT_EQ(firePeerOutcome(), 42);
}
