#include "runtime/multi_element_ex.h"

#include <algorithm>

#include "ui/platform.h"

namespace lr {

THIMultiElementEx::Frame::Frame(THIMultiElementEx& o, TClassMultiBase* i)
    : owner(o), instance(i), outer(o.frames_) {
    owner.frames_ = this;
}

THIMultiElementEx::Frame::~Frame() {
    owner.frames_ = outer;
}

THIMultiElementEx::~THIMultiElementEx() {
    TData none;
    doClear(none, UINT16_MAX);
}

void THIMultiElementEx::setCreate(CreateContainer create) {
    create_ = std::move(create);
    if (Mode == 0) {
        instances_.push_back(build());
        current_ = instances_.back().get();
    }
}

std::unique_ptr<TClassMultiBase> THIMultiElementEx::build() {
    return buildContainer(create_, parent_, owner_);
}

void THIMultiElementEx::fireInput(TClassMultiBase& instance, TData& data, std::uint16_t index) {
    Edge* edge = instance.edge();
    if (edge && index < edge->inputs.size()) fire(edge->inputs[index], data);
}

void THIMultiElementEx::doAddInstance(TData& data, std::uint16_t index) {
    if (!create_) return;
    instances_.push_back(build());
    current_ = instances_.back().get();
    fireInput(*current_, data, index);
}

void THIMultiElementEx::doSelect(TData& data, std::uint16_t index) {
    const std::int32_t k = toInteger(data);
    if (k < 0 || static_cast<std::size_t>(k) >= instances_.size()) {
        current_ = nullptr;
        return;
    }
    current_ = instances_[static_cast<std::size_t>(k)].get();
    fireInput(*current_, data, index);
}

bool THIMultiElementEx::handling(const TClassMultiBase* instance) const {
    for (const Frame* f = frames_; f; f = f->outer) {
        if (f->instance == instance) return true;
    }
    return false;
}

void THIMultiElementEx::doDelete(TData& data, std::uint16_t index) {
    const std::int32_t k = toInteger(data);
    if (k < 0 || static_cast<std::size_t>(k) >= instances_.size()) return;
    deleteAt(static_cast<std::size_t>(k), data, index);
}

void THIMultiElementEx::deleteAt(std::size_t k, TData& data, std::uint16_t index) {
    TClassMultiBase* victim = instances_[k].get();
    if (handling(victim)) {
        ui::platform().messageBoxes().show({"Self destruction is not allowed !!!", "String-Debug"});
        return;
    }
    fireInput(*victim, data, index);
    // The input's chain may have changed the list; find the instance again.
    const auto it =
        std::find_if(instances_.begin(), instances_.end(), [&](const auto& p) { return p.get() == victim; });
    if (it == instances_.end() || handling(victim)) return;
    if (current_ == victim) current_ = nullptr;
    std::unique_ptr<TClassMultiBase> doomed = std::move(*it);
    instances_.erase(it);
}

// Each instance's input receives its own position, as doDelete would.
void THIMultiElementEx::doClear(TData&, std::uint16_t index) {
    for (std::size_t k = instances_.size(); k-- > 0;) {
        if (k >= instances_.size()) continue;
        TData position = makeInteger(static_cast<std::int32_t>(k));
        deleteAt(k, position, index);
    }
}

void THIMultiElementEx::doWork(TData& data, std::uint16_t index) {
    if (current_) {
        fireInput(*current_, data, index);
        return;
    }
    if (!create_) return;
    const std::unique_ptr<TClassMultiBase> temporary = build();
    fireInput(*temporary, data, index);
}

void THIMultiElementEx::Data(TData& data, std::uint16_t index) {
    std::unique_ptr<TClassMultiBase> temporary;
    TClassMultiBase* instance = current_;
    if (!instance && create_) {
        temporary = build();
        instance = temporary.get();
    }
    Edge* edge = instance ? instance->edge() : nullptr;
    if (edge && index < edge->dataOutputs.size()) {
        read(edge->dataOutputs[index], data);
    } else {
        data.kind = kind::NoValue;
    }
}

void THIMultiElementEx::Count(TData& data) {
    data = makeInteger(static_cast<std::int32_t>(instances_.size()));
}

void THIMultiElementEx::Index(TData& data) {
    std::int32_t position = -1;
    if (frames_) {
        for (std::size_t k = 0; k < instances_.size(); ++k) {
            if (instances_[k].get() == frames_->instance) position = static_cast<std::int32_t>(k);
        }
    }
    data = makeInteger(position);
}

void THIEditMultiEx::output(TData& data, std::uint16_t index) {
    if (index >= outer_.outputs.size()) return;
    THIMultiElementEx::Frame frame(outer_, container);
    fire(outer_.outputs[index], data);
}

void THIEditMultiEx::dataInput(TData& data, std::uint16_t index) {
    if (index >= outer_.dataInputs.size()) {
        data.kind = kind::NoValue;
        return;
    }
    THIMultiElementEx::Frame frame(outer_, container);
    read(outer_.dataInputs[index], data);
}

}  // namespace lr
