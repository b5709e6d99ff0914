#pragma once
// A sub-container built once: THIMultiElement outside, THIEditMulti inside.
#include <functional>
#include <memory>
#include <vector>

#include "runtime/container.h"

namespace lr {

using CreateContainer =
    std::function<std::unique_ptr<TClassMultiBase>(ui::Control* parent, TClassMultiBase* owner)>;

// Builds a container, running the start list afterwards when the program has started.
std::unique_ptr<TClassMultiBase> buildContainer(const CreateContainer& create, ui::Control* parent,
                                                TClassMultiBase* owner);

class THIMultiElement : public Element {
  public:
    THIMultiElement(ui::Control* parent, TClassMultiBase* owner, std::size_t outputs, std::size_t dataInputs)
        : outputs(outputs), dataInputs(dataInputs), parent_(parent), owner_(owner) {}

    int Mode = 0;
    std::vector<Point> outputs;
    std::vector<Point> dataInputs;

    void setCreate(CreateContainer create);
    void build();
    void doWork(TData& data, std::uint16_t index);  // input i
    void Data(TData& data, std::uint16_t index);    // data output j
    TClassMultiBase* instance() const { return instance_.get(); }

  private:
    ui::Control* parent_;
    TClassMultiBase* owner_;
    CreateContainer create_;
    std::unique_ptr<TClassMultiBase> instance_;
};

class THIEditMulti : public Edge {
  public:
    THIEditMulti(THIMultiElement& outer, std::size_t inputs, std::size_t dataOutputs)
        : Edge(inputs, dataOutputs), outer_(outer) {}
    void output(TData& data, std::uint16_t index);
    void dataInput(TData& data, std::uint16_t index);

  private:
    THIMultiElement& outer_;
};

}  // namespace lr
