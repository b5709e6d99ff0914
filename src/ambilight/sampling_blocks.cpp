#include "ambilight/sampling_blocks.h"

namespace lr {

namespace {
using From = Coordinate::From;
constexpr Coordinate kZero{};
constexpr Coordinate kCell{From::Cell};
constexpr Coordinate of(const char* formula) {
    return {From::Formula, formula};
}
}  // namespace

const std::array<LayoutSpec, 3> kLayouts = {{
    {"%1/8",
     "(%1/12)*5",
     {{{kZero, kZero}, {of("%1*7"), kZero}, {kZero, of("(%1/5)*7")}, {of("%1*7"), of("(%1/5)*7")}}}},
    {"%1/8",
     "(%1/12)*5",
     {{{kCell, kZero}, {of("%1*6"), kZero}, {kCell, of("(%1/5)*7")}, {of("%1*6"), of("(%1/5)*7")}}}},
    {"%1/8",
     "(%1/16)*5",
     {{{kZero, of("(%1/5)*2")},
       {of("%1*7"), of("(%1/5)*2")},
       {kZero, of("(%1/5)*9")},
       {of("%1*7"), of("(%1/5)*9")}}}},
}};

SamplerBlock::SamplerBlock(TClassMultiBase* owner, const RegionSpec& region, Point cellWidth,
                           Point cellHeight)
    : TClassMultiBase(nullptr, owner),
      start_(make<THIHub>(3)),
      x_(coordinate(region.x, cellWidth)),
      y_(coordinate(region.y, cellHeight)),
      copy_(make<THIImg_Copy>()),
      resize_(make<THIResize>()),
      pixel_(make<THIImg_GetPoint>()) {
    if (x_) start_.outputs[0] = bind<&THIFastMathParse::doCalc>(*x_);
    if (y_) start_.outputs[1] = bind<&THIFastMathParse::doCalc>(*y_);
    start_.outputs[2] = bind<&THIImg_Copy::doCopy>(copy_);
    copy_.X = position(region.x, x_, cellWidth);
    copy_.Y = position(region.y, y_, cellHeight);
    copy_.Width = cellWidth;
    copy_.Height = cellHeight;
    copy_.onCopy = bind<&THIResize::doResize>(resize_);
    resize_.Mode = true;
    resize_.onResize = bind<&THIImg_GetPoint::doGetPixel>(pixel_);
    pixel_.Bitmap = bind<&THIResize::Result>(resize_);
}

THIFastMathParse* SamplerBlock::coordinate(const Coordinate& c, Point cell) {
    if (c.from != From::Formula) return nullptr;
    THIFastMathParse& formula = make<THIFastMathParse>(1);
    formula.setFormula(c.formula);
    formula.X[0] = cell;
    return &formula;
}

// An unconnected position reads the property, 0.
Point SamplerBlock::position(const Coordinate& c, THIFastMathParse* formula, Point cell) {
    if (formula) return bind<&THIFastMathParse::Result>(*formula);
    return c.from == From::Cell ? cell : Point{};
}

LayoutBlock::LayoutBlock(TClassMultiBase* owner, const LayoutSpec& layout, Point screenWidth,
                         Point screenHeight)
    : TClassMultiBase(nullptr, owner),
      start_(make<THIHub>(6)),
      width_(size(layout.width, screenWidth)),
      height_(size(layout.height, screenHeight)) {
    start_.outputs[0] = bind<&THIFastMathParse::doCalc>(width_);
    start_.outputs[1] = bind<&THIFastMathParse::doCalc>(height_);
    for (std::size_t k = 0; k < samplers_.size(); ++k) {
        samplers_[k] = &own<SamplerBlock>(this, layout.regions[k], bind<&THIFastMathParse::Result>(width_),
                                          bind<&THIFastMathParse::Result>(height_));
        start_.outputs[k + 2] = samplers_[k]->doSample();
    }
}

THIFastMathParse& LayoutBlock::size(const char* formula, Point screen) {
    THIFastMathParse& f = make<THIFastMathParse>(1);
    f.setFormula(formula);
    f.X[0] = screen;
    return f;
}

}  // namespace lr
