#pragma once
// THIFileTools: deletes a file, or each file of a ";"-separated list.
#include <string>

#include "runtime/element.h"
#include "runtime/point.h"

namespace lr {

class THIFileTools : public Element {
  public:
    std::string FileName_;
    int Mode = 0;  // 0 one file, 1 a ";"-separated list

    Point FileName;
    Point onOK;

    void doDelete(TData& data);
};

}  // namespace lr
