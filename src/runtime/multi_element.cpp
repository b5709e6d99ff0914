#include "runtime/multi_element.h"

#include "runtime/lifecycle.h"

namespace lr {

std::unique_ptr<TClassMultiBase> buildContainer(const CreateContainer& create, ui::Control* parent,
                                                TClassMultiBase* owner) {
    std::unique_ptr<TClassMultiBase> built;
    buildAtRunTime([&] { built = create(parent, owner); });
    return built;
}

void THIMultiElement::setCreate(CreateContainer create) {
    create_ = std::move(create);
    if (Mode == 0) build();
}

void THIMultiElement::build() {
    if (!instance_ && create_) instance_ = buildContainer(create_, parent_, owner_);
}

void THIMultiElement::doWork(TData& data, std::uint16_t index) {
    build();
    if (instance_ && index < instance_->edge()->inputs.size()) fire(instance_->edge()->inputs[index], data);
}

void THIMultiElement::Data(TData& data, std::uint16_t index) {
    build();
    if (instance_ && index < instance_->edge()->dataOutputs.size()) {
        read(instance_->edge()->dataOutputs[index], data);
    } else {
        data.kind = kind::NoValue;
    }
}

void THIEditMulti::output(TData& data, std::uint16_t index) {
    if (index < outer_.outputs.size()) fire(outer_.outputs[index], data);
}

void THIEditMulti::dataInput(TData& data, std::uint16_t index) {
    if (index < outer_.dataInputs.size()) {
        read(outer_.dataInputs[index], data);
    } else {
        data.kind = kind::NoValue;
    }
}

}  // namespace lr
