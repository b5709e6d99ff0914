#pragma once
// TClassMultiBase: the base of every container. A container owns its elements and destroys them
// in reverse creation order.
#include <memory>
#include <utility>
#include <vector>

#include "runtime/element.h"
#include "runtime/point.h"

namespace ui {
class Control;
}

namespace lr {

class TClassMultiBase;

// The inner edge of a sub-container: the points its outer element reaches in through.
class Edge : public Element {
  public:
    Edge(std::size_t inputCount, std::size_t dataOutputCount)
        : inputs(inputCount), dataOutputs(dataOutputCount) {}
    std::vector<Point> inputs;       // input i of the sub-container
    std::vector<Point> dataOutputs;  // data output j of the sub-container
    TClassMultiBase* container = nullptr;
};

class TClassMultiBase {
  public:
    TClassMultiBase(ui::Control* parent, TClassMultiBase* owner) : parent_(parent), owner_(owner) {}
    virtual ~TClassMultiBase();
    TClassMultiBase(const TClassMultiBase&) = delete;
    TClassMultiBase& operator=(const TClassMultiBase&) = delete;

    Edge* edge() const { return edge_; }
    ui::Control* parentControl() const { return parent_; }
    TClassMultiBase* owner() const { return owner_; }

  protected:
    template <class T, class... Args>
    T& make(Args&&... args) {
        auto element = std::make_unique<T>(std::forward<Args>(args)...);
        T& ref = *element;
        elements_.push_back(std::move(element));
        return ref;
    }
    // A sub-container kept among the elements, so that it too is destroyed in reverse creation order.
    template <class C, class... Args>
    C& own(Args&&... args) {
        auto holder = std::make_unique<Owned>(std::make_unique<C>(std::forward<Args>(args)...));
        C& ref = static_cast<C&>(*holder->container);
        elements_.push_back(std::move(holder));
        return ref;
    }
    void join(Edge& edge) {
        edge.container = this;
        edge_ = &edge;
    }

  private:
    struct Owned : Element {
        explicit Owned(std::unique_ptr<TClassMultiBase> c) : container(std::move(c)) {}
        std::unique_ptr<TClassMultiBase> container;
    };

    ui::Control* parent_;
    TClassMultiBase* owner_;
    Edge* edge_ = nullptr;
    std::vector<std::unique_ptr<Element>> elements_;
};

}  // namespace lr
