#pragma once
// The base of every element: a plain object owned by its container.
namespace lr {

class Element {
  public:
    Element() = default;
    virtual ~Element() = default;
    Element(const Element&) = delete;
    Element& operator=(const Element&) = delete;
};

}  // namespace lr
