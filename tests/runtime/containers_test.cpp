#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "headless_fixture.h"
#include "recorder.h"
#include "runtime/container.h"
#include "runtime/elements/global_var.h"
#include "runtime/multi_element_ex.h"

using namespace lr;

namespace {

std::vector<std::string> g_log;

// An element that logs its construction, destruction and events.
struct Logged : Element {
    explicit Logged(std::string n) : name(std::move(n)) { g_log.push_back("make " + name); }
    ~Logged() override { g_log.push_back("free " + name); }
    void take(TData& d) { g_log.push_back(name + " got " + toString(d)); }
    std::string name;
};

// A window-like element: registers a start callback.
struct StartsLikeAWindow : Element {
    explicit StartsLikeAWindow(std::string n) : name(std::move(n)) {
        registerStart([this] { g_log.push_back("start " + name); });
    }
    std::string name;
};

// A per-instance container: input 0 echoes to output 0, input 1 asks the outer element to delete
// the instance at the given position from inside its own chain.
class Instance : public TClassMultiBase {
  public:
    Instance(ui::Control* parent, TClassMultiBase* owner, THIMultiElementEx& outer, int id)
        : TClassMultiBase(parent, owner) {
        auto& edge = make<THIEditMultiEx>(outer, 2, 1);
        make<StartsLikeAWindow>("window " + std::to_string(id));
        join(edge);
        edge.inputs[0] = bind<&THIEditMultiEx::output>(edge, 0);
        edge.inputs[1] = bind<&THIEditMultiEx::output>(edge, 1);
        id_ = id;
        edge.dataOutputs[0] = bind<&Instance::id>(*this);
    }
    void id(TData& d) { d = makeInteger(id_); }

  private:
    int id_;
};

class Owner : public TClassMultiBase {
  public:
    Owner() : TClassMultiBase(nullptr, nullptr) {
        first_ = &make<Logged>("first");
        multi = &make<THIMultiElementEx>(nullptr, this, 2, 0);
        last_ = &make<Logged>("last");
        multi->outputs[0] = bind<&Logged::take>(*last_);
        multi->outputs[1] = bind<&THIMultiElementEx::doDelete>(*multi, 9);
        multi->Mode = 1;
        multi->setCreate([this](ui::Control* parent, TClassMultiBase* owner) {
            return std::make_unique<Instance>(parent, owner, *multi, nextId_++);
        });
    }
    THIMultiElementEx* multi;

  private:
    Logged* first_;
    Logged* last_;
    int nextId_ = 0;
};

std::int32_t readOf(THIMultiElementEx& m, void (THIMultiElementEx::*what)(TData&)) {
    TData d;
    (m.*what)(d);
    return d.intValue;
}

}  // namespace

class Containers : public HeadlessTest {
  protected:
    Containers() {
        g_log.clear();
        uninstallDispatch();
    }
};

TEST_F(Containers, ElementsAreDestroyedInReverseCreationOrder) {
    { Owner owner; }
    EXPECT_EQ(g_log, (std::vector<std::string>{"make first", "make last", "free last", "free first"}));
}

TEST_F(Containers, InstancesBuiltAfterStartAreStartedAtOnce) {
    Owner owner;
    TData d = makeInteger(0);
    owner.multi->doAddInstance(d, 7);  // before start: the window waits for the start list
    EXPECT_EQ(std::count(g_log.begin(), g_log.end(), "start window 0"), 0);
    start();
    EXPECT_EQ(g_log.back(), "start window 0");
    owner.multi->doAddInstance(d, 7);
    EXPECT_EQ(g_log.back(), "start window 1");
    EXPECT_EQ(readOf(*owner.multi, &THIMultiElementEx::Count), 2);
}

TEST_F(Containers, EventsTravelThroughTheEdgeOfTheCurrentInstance) {
    Owner owner;
    start();
    TData d = makeString("x");
    owner.multi->doAddInstance(d, 0);
    EXPECT_EQ(g_log.back(), "last got x");
    TData select = makeInteger(0);
    owner.multi->doSelect(select, 0);
    EXPECT_EQ(g_log.back(), "last got 0");
    TData data;
    owner.multi->Data(data, 0);
    EXPECT_EQ(data.intValue, 0);
    TData outOfRange = makeInteger(5);
    owner.multi->doSelect(outOfRange, 0);
    owner.multi->Data(data, 0);
    EXPECT_EQ(data.intValue, 1) << "with no current instance a temporary one answers";
    EXPECT_EQ(readOf(*owner.multi, &THIMultiElementEx::Count), 1);
}

TEST_F(Containers, AnInstanceCannotDeleteItselfFromItsOwnChain) {
    Owner owner;
    start();
    TData d = makeInteger(0);
    owner.multi->doAddInstance(d, 1);  // instance 0 asks to delete position 0 from its own output
    EXPECT_EQ(readOf(*owner.multi, &THIMultiElementEx::Count), 1);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, "Self destruction is not allowed !!!");
    EXPECT_EQ(boxes.shown()[0].caption, "String-Debug");
    TData other = makeInteger(0);
    owner.multi->doDelete(other, 9);
    EXPECT_EQ(readOf(*owner.multi, &THIMultiElementEx::Count), 0);
}

TEST_F(Containers, ClearDeletesFromTheLastInstance) {
    Owner owner;
    start();
    TData d;
    for (int i = 0; i < 3; ++i)
        owner.multi->doAddInstance(d, 9);
    owner.multi->doClear(d, 9);
    EXPECT_EQ(readOf(*owner.multi, &THIMultiElementEx::Count), 0);
    EXPECT_EQ(readOf(*owner.multi, &THIMultiElementEx::Index), -1);
}

TEST_F(Containers, GlobalVariablesShareOneSlotIgnoringCase) {
    THIGlobalVar a("Bar_1"), b("BAR_1"), unnamed("");
    installDispatch();
    Recorder rec;
    a.onValue = rec.point();
    TData list = makeInteger(3);
    append(list, makeInteger(4));
    a.doValue(list);
    TData seen;
    b.Var(seen);
    EXPECT_EQ(seen.intValue, 3);
    EXPECT_EQ(seen.next, nullptr);
    EXPECT_EQ(listLength(rec.values.at(0)), 2u);
    unnamed.Var(seen);
    EXPECT_TRUE(isNull(seen));
}
