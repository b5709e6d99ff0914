#include "expr/x87_emitter.h"

namespace lr {

namespace {
constexpr int kRegisters = 8;
}

void X87Emitter::emit(const X87Instruction& ins, std::string_view comment) {
    const std::string bytes = encode(ins);
    code_ += bytes;
    if (runsOnTheStack(ins.op)) program_.push_back(ins);
    if (listing_) listing_(listingLine(bytes, instructionText(ins, comment)));
}

void X87Emitter::marker(std::string_view text) {
    if (!listing_) return;
    std::string line = "--------\t-----------------\t";
    line += text;
    listing_(line);
}

std::uint32_t X87Emitter::newSlot(double value) {
    data_.push_back(value);
    return static_cast<std::uint32_t>(data_.size() - 1);
}

void X87Emitter::push() {
    ++depth_;
    if (depth_ <= spillLevel_ + kRegisters) return;
    ++spillLevel_;
    const auto level = static_cast<std::size_t>(spillLevel_);
    if (spillSlots_.size() <= level) spillSlots_.push_back(newSlot(0));
    emit({X87::Fdecstp});
    emit({X87::Fstp, Base::DataArray, spillSlots_[level]}, "Push FPU");
}

std::optional<std::uint32_t> X87Emitter::takeSpilled(int depth) {
    if (spillLevel_ != depth) return std::nullopt;
    const std::uint32_t slot = spillSlots_[static_cast<std::size_t>(spillLevel_)];
    --spillLevel_;
    --depth_;
    return slot;
}

}  // namespace lr
