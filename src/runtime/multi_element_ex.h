#pragma once
// A sub-container built per instance: THIMultiElementEx outside, THIEditMultiEx inside.
#include <memory>
#include <vector>

#include "runtime/multi_element.h"

namespace lr {

class THIMultiElementEx : public Element {
  public:
    THIMultiElementEx(ui::Control* parent, TClassMultiBase* owner, std::size_t outputs,
                      std::size_t dataInputs)
        : outputs(outputs), dataInputs(dataInputs), parent_(parent), owner_(owner) {}
    ~THIMultiElementEx() override;

    int Mode = 0;
    std::vector<Point> outputs;
    std::vector<Point> dataInputs;

    void setCreate(CreateContainer create);
    void doAddInstance(TData& data, std::uint16_t index);
    void doSelect(TData& data, std::uint16_t index);
    void doDelete(TData& data, std::uint16_t index);
    void doClear(TData& data, std::uint16_t index);
    void doWork(TData& data, std::uint16_t index);
    void Data(TData& data, std::uint16_t index);
    void Count(TData& data);
    void Index(TData& data);

    // The instance whose outputs are being handled, innermost first; kept on the call stack.
    struct Frame {
        THIMultiElementEx& owner;
        TClassMultiBase* instance;
        Frame* outer;
        Frame(THIMultiElementEx& owner, TClassMultiBase* instance);
        ~Frame();
        Frame(const Frame&) = delete;
        Frame& operator=(const Frame&) = delete;
    };

  private:
    void deleteAt(std::size_t k, TData& data, std::uint16_t index);
    bool handling(const TClassMultiBase* instance) const;
    std::unique_ptr<TClassMultiBase> build();
    static void fireInput(TClassMultiBase& instance, TData& data, std::uint16_t index);

    ui::Control* parent_;
    TClassMultiBase* owner_;
    CreateContainer create_;
    std::vector<std::unique_ptr<TClassMultiBase>> instances_;
    TClassMultiBase* current_ = nullptr;
    Frame* frames_ = nullptr;
};

class THIEditMultiEx : public Edge {
  public:
    THIEditMultiEx(THIMultiElementEx& outer, std::size_t inputs, std::size_t dataOutputs)
        : Edge(inputs, dataOutputs), outer_(outer) {}
    void output(TData& data, std::uint16_t index);
    void dataInput(TData& data, std::uint16_t index);

  private:
    THIMultiElementEx& outer_;
};

}  // namespace lr
