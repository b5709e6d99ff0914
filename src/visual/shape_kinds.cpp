#include "visual/shape_kinds.h"

#include "settings/ini_file.h"
#include "visual/shapes.h"

namespace lr {

namespace {

constexpr std::uint16_t kNoInput = UINT16_MAX;
constexpr std::int32_t kDeleteDelayMs = 2;

}  // namespace

ShapeKindManager::ShapeKindManager(ui::Control* parent, TClassMultiBase* owner, std::recursive_mutex& guard,
                                   const char* section, CreateContainer create)
    : TClassMultiBase(parent, owner),
      guard_(guard),
      section_(section),
      list_(makeList(std::move(create))),
      deleteTimer_(makeTimer()),
      schemePath_(make<THIGlobalVar>(kSchemePathVar)) {}

THIMultiElementEx& ShapeKindManager::makeList(CreateContainer create) {
    THIMultiElementEx& l = make<THIMultiElementEx>(nullptr, this, 2, 0);
    l.Mode = 1;
    l.outputs[shape_point::OnSettings] = bind<&ShapeKindManager::store>(*this);
    l.outputs[shape_point::OnDeleteRequest] = bind<&ShapeKindManager::deleteRequest>(*this);
    l.setCreate(std::move(create));
    return l;
}

THITimer& ShapeKindManager::makeTimer() {
    THITimer& t = make<THITimer>();
    t.Interval = kDeleteDelayMs;
    t.Count = 1;
    t.onTimer = bind<&ShapeKindManager::deleteNow>(*this);
    return t;
}

std::int32_t ShapeKindManager::count() {
    TData n;
    list_.Count(n);
    return toInteger(n);
}

void ShapeKindManager::select(std::int32_t index) {
    TData k = makeInteger(index);
    list_.doSelect(k, kNoInput);
}

void ShapeKindManager::doBroadcast(TData& data) {
    const std::lock_guard lock(guard_);
    for (std::int32_t i = 0; i < count(); ++i) {
        select(i);
        TData command = data;
        list_.doWork(command, shape_point::Command);
    }
}

void ShapeKindManager::doLoad(TData& data) {
    const std::lock_guard lock(guard_);
    doClear(data);
    TData path;
    schemePath_.Var(path);
    const settings::IniText scheme = settings::iniLoad(toString(path));
    for (int i = 0; i < kMaxShapesPerKind; ++i) {
        const std::string settings = scheme.readString(section_, std::to_string(i), "");
        if (settings.empty()) break;
        TData none;
        list_.doAddInstance(none, kNoInput);
        TData text = makeString(settings);
        list_.doWork(text, shape_point::SetSettings);
    }
}

void ShapeKindManager::doAdd(TData& data) {
    const std::lock_guard lock(guard_);
    list_.doAddInstance(data, shape_point::Level);
}

// A pending delete names a position that a clear makes meaningless.
void ShapeKindManager::doClear(TData& data) {
    const std::lock_guard lock(guard_);
    fireNull(bind<&THITimer::doStop>(deleteTimer_));
    doomed_ = -1;
    list_.doClear(data, kNoInput);
}

void ShapeKindManager::save(settings::IniText& scheme) {
    const std::lock_guard lock(guard_);
    saving_ = &scheme;
    for (savingIndex_ = 0; savingIndex_ < count(); ++savingIndex_) {
        select(savingIndex_);
        TData none;
        list_.doWork(none, shape_point::GetSettings);
    }
    saving_ = nullptr;
}

void ShapeKindManager::store(TData& data) {
    if (saving_) saving_->set(section_, std::to_string(savingIndex_), toString(data));
}

// The menu click that asked must return before its window goes.
void ShapeKindManager::deleteRequest(TData&) {
    TData index;
    list_.Index(index);
    doomed_ = toInteger(index);
    fireNull(bind<&THITimer::doTimer>(deleteTimer_));
}

void ShapeKindManager::deleteNow(TData&) {
    const std::lock_guard lock(guard_);
    if (doomed_ < 0) return;
    TData index = makeInteger(doomed_);
    doomed_ = -1;
    list_.doDelete(index, kNoInput);
}

TClassMultiElementEx_2DEB580::TClassMultiElementEx_2DEB580(ui::Control* parent, TClassMultiBase* owner,
                                                           std::recursive_mutex& guard)
    : ShapeKindManager(parent, owner, guard, "circle_color", [this](ui::Control* p, TClassMultiBase* o) {
          return std::make_unique<TClassChildFormEx_2DF1E00>(p, o, list());
      }) {}

TClassMultiElementEx_2DEE5A0::TClassMultiElementEx_2DEE5A0(ui::Control* parent, TClassMultiBase* owner,
                                                           std::recursive_mutex& guard)
    : ShapeKindManager(parent, owner, guard, "rectangle", [this](ui::Control* p, TClassMultiBase* o) {
          return std::make_unique<TClassChildFormEx_2DECAD0>(p, o, list());
      }) {}

TClassMultiElementEx_2DF0AC0::TClassMultiElementEx_2DF0AC0(ui::Control* parent, TClassMultiBase* owner,
                                                           std::recursive_mutex& guard)
    : ShapeKindManager(parent, owner, guard, "led_ledder", [this](ui::Control* p, TClassMultiBase* o) {
          return std::make_unique<TClassChildFormEx_2DEF990>(p, o, list());
      }) {}

}  // namespace lr
