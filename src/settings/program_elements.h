#pragma once
// The program and the system's open action as elements: THIWinExec opens a file, a web address or a
// program; THIApplication gives the program's own file; THIDir its folder.
#include <string>

#include "runtime/element.h"
#include "runtime/point.h"

namespace lr {

class THIWinExec : public Element {
  public:
    std::string FileName_;
    std::string Params_;
    std::string Verb = "open";

    Point FileName;
    Point Params;
    Point onError;  // 1: the system could not start it

    void doExec(TData& data);
};

class THIApplication : public Element {
  public:
    void FileName(TData& data);
};

class THIDir : public Element {
  public:
    void Dir(TData& data);  // ends in a backslash
};

}  // namespace lr
