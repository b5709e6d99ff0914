#include "organ/translator.h"

#include "organ/key_list.h"

namespace lr {

TClassMultiElementEx_1EFC150::TClassMultiElementEx_1EFC150(ui::Control* parent, TClassMultiBase* owner,
                                                           THIMultiElementEx& outer)
    : TClassMultiBase(parent, owner), edge_(make<THIEditMultiEx>(outer, 1, 0)) {
    join(edge_);
    edge_.inputs[0] = bind<&TClassMultiElementEx_1EFC150::translate>(*this);
    translated_ = bind<&THIEditMultiEx::output>(edge_, 0);
}

void TClassMultiElementEx_1EFC150::translate(TData& data) {
    forwardString(data, translated_, organ::translateFormula(toString(data)));
}

}  // namespace lr
