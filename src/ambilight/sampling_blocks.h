#pragma once
// The sampling blocks: a sampler block copies one region W x H at its X, Y and reduces it to its mean
// colour; a layout block computes W and H from the screen size and samples its four regions in order.
#include <array>
#include <cstdint>

#include "ambilight/screen_elements.h"
#include "expr/fast_math_parse.h"
#include "runtime/container.h"
#include "runtime/elements/hub.h"

namespace lr {

// A region coordinate: 0, the cell size itself, or a formula of the cell size (W for X, H for Y).
struct Coordinate {
    enum class From { Zero, Cell, Formula };
    From from = From::Zero;
    const char* formula = "";
};

struct RegionSpec {
    Coordinate x;
    Coordinate y;
};

struct LayoutSpec {
    const char* width;   // of the screen width
    const char* height;  // of the screen height
    std::array<RegionSpec, 4> regions;
};

// The three layouts: picture filling the screen, black bars at the sides, black bars top and bottom.
extern const std::array<LayoutSpec, 3> kLayouts;

class SamplerBlock : public TClassMultiBase {
  public:
    SamplerBlock(TClassMultiBase* owner, const RegionSpec& region, Point cellWidth, Point cellHeight);
    Point doSample() { return bind<&THIHub::doEvent>(start_); }
    void setOnColor(Point point) { pixel_.onGetPixel = point; }

  private:
    THIFastMathParse* coordinate(const Coordinate& c, Point cell);
    Point position(const Coordinate& c, THIFastMathParse* formula, Point cell);

    THIHub& start_;
    THIFastMathParse* x_;
    THIFastMathParse* y_;
    THIImg_Copy& copy_;
    THIResize& resize_;
    THIImg_GetPoint& pixel_;
};

class LayoutBlock : public TClassMultiBase {
  public:
    LayoutBlock(TClassMultiBase* owner, const LayoutSpec& layout, Point screenWidth, Point screenHeight);
    Point doSample() { return bind<&THIHub::doEvent>(start_); }
    void setOnRegion(std::size_t k, Point point) { samplers_[k]->setOnColor(point); }

  private:
    THIFastMathParse& size(const char* formula, Point screen);

    THIHub& start_;
    THIFastMathParse& width_;
    THIFastMathParse& height_;
    std::array<SamplerBlock*, 4> samplers_{};
};

}  // namespace lr
