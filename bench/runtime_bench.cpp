// Costs of the runtime spine: a hop of fire and of forward, a hub fan-out, number texts.
#include <benchmark/benchmark.h>

#include <vector>

#include "runtime/elements/hub.h"
#include "runtime/point.h"

namespace {

struct Sink : lr::Element {
    std::int64_t sum = 0;
    void take(lr::TData& d) { sum += d.intValue; }
};

struct Relay : lr::Element {
    lr::Point next;
    void fireOn(lr::TData& d) { lr::fire(next, d); }
    void forwardOn(lr::TData& d) { lr::forward(d, next); }
};

template <auto Method>
void chain(benchmark::State& state) {
    lr::installDispatch();
    const auto hops = static_cast<std::size_t>(state.range(0));
    std::vector<Relay> relays(hops);
    Sink sink;
    for (std::size_t i = 0; i + 1 < hops; ++i)
        relays[i].next = lr::bind<Method>(relays[i + 1]);
    relays.back().next = lr::bind<&Sink::take>(sink);
    const lr::Point head = lr::bind<Method>(relays.front());
    for (auto _ : state) {
        lr::TData d = lr::makeInteger(1);
        lr::fire(head, d);
    }
    benchmark::DoNotOptimize(sink.sum);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_FireHop(benchmark::State& state) {
    chain<&Relay::fireOn>(state);
}
void BM_ForwardHop(benchmark::State& state) {
    chain<&Relay::forwardOn>(state);
}
BENCHMARK(BM_FireHop)->Arg(1000);
BENCHMARK(BM_ForwardHop)->Arg(1000);

void BM_HubFanOut(benchmark::State& state) {
    lr::installDispatch();
    lr::THIHub hub(static_cast<std::size_t>(state.range(0)));
    Sink sink;
    for (auto& out : hub.outputs)
        out = lr::bind<&Sink::take>(sink);
    const lr::Point in = lr::bind<&lr::THIHub::doEvent>(hub);
    for (auto _ : state) {
        lr::TData d = lr::makeInteger(1);
        lr::fire(in, d);
    }
    benchmark::DoNotOptimize(sink.sum);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_HubFanOut)->Arg(5);

void BM_ParseReal(benchmark::State& state) {
    const std::vector<std::string> texts = {"0.5", "123.25", "-2.5e3", "3.14159265358979", "1,5"};
    double sum = 0;
    for (auto _ : state) {
        for (const auto& t : texts)
            sum += lr::parseReal(t);
    }
    benchmark::DoNotOptimize(sum);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(texts.size()));
}
BENCHMARK(BM_ParseReal);

void BM_FormatReal(benchmark::State& state) {
    const std::vector<double> values = {1.0, 0.5, 123.25, 1.0 / 3.0, 1e20, -2.5, 0.00001};
    std::size_t length = 0;
    for (auto _ : state) {
        for (double v : values)
            length += lr::formatReal(v).size();
    }
    benchmark::DoNotOptimize(length);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(values.size()));
}
BENCHMARK(BM_FormatReal);

}  // namespace
