#pragma once
// The kind managers: one dynamic list of shapes per kind, fed with commands, loaded from and saved to
// the kind's section of a visual scheme, and deleting a shape 2 ms after its menu asked for it. Every
// walk and change of a list holds the guard, so a command from another thread never meets a shape that
// is being deleted.
#include <cstdint>
#include <mutex>
#include <string>

#include "runtime/container.h"
#include "runtime/elements/global_var.h"
#include "runtime/elements/timer.h"
#include "runtime/multi_element_ex.h"
#include "settings/ini_text.h"

namespace lr {

inline constexpr const char* kSchemePathVar = "v_scheme_dir";
inline constexpr int kMaxShapesPerKind = 255;

class ShapeKindManager : public TClassMultiBase {
  public:
    ShapeKindManager(ui::Control* parent, TClassMultiBase* owner, std::recursive_mutex& guard,
                     const char* section, CreateContainer create);

    void doBroadcast(TData& data);  // the command to every shape, in list order
    // Deletes every shape of the kind, then makes one per key "0", "1", ... of the kind's section in the
    // file that "v_scheme_dir" names, up to the first missing or empty key.
    void doLoad(TData& data);
    void doAdd(TData& data);  // reaches the new shape's doLevel
    void doClear(TData& data);
    // Every shape's settings under keys from "0" in the kind's section of `scheme`.
    void save(settings::IniText& scheme);
    std::int32_t count();
    THIMultiElementEx& list() { return list_; }

  private:
    THIMultiElementEx& makeList(CreateContainer create);
    THITimer& makeTimer();
    void store(TData& data);
    void deleteRequest(TData& data);
    void deleteNow(TData& data);
    void select(std::int32_t index);

    std::recursive_mutex& guard_;
    const char* section_;
    THIMultiElementEx& list_;
    THITimer& deleteTimer_;
    THIGlobalVar& schemePath_;
    std::int32_t doomed_ = -1;
    settings::IniText* saving_ = nullptr;
    std::int32_t savingIndex_ = 0;
};

class TClassMultiElementEx_2DEB580 : public ShapeKindManager {  // circles
  public:
    TClassMultiElementEx_2DEB580(ui::Control* parent, TClassMultiBase* owner, std::recursive_mutex& guard);
};

class TClassMultiElementEx_2DEE5A0 : public ShapeKindManager {  // rectangles
  public:
    TClassMultiElementEx_2DEE5A0(ui::Control* parent, TClassMultiBase* owner, std::recursive_mutex& guard);
};

class TClassMultiElementEx_2DF0AC0 : public ShapeKindManager {  // ladders
  public:
    TClassMultiElementEx_2DF0AC0(ui::Control* parent, TClassMultiBase* owner, std::recursive_mutex& guard);
};

}  // namespace lr
