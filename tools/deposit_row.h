#pragma once

#include <cstdint>

#include "canvas/byte_fraction.h"
#include "canvas/canvas_cell.h"
#include "tools/dab_square.h"

namespace dw {

// Height per unit of texture sample.
inline constexpr float kTextureLift = 0.001f;

// What every cell of one Paint Brush, Tube Paint or Knife dab shares.
struct DepositDab {
    double amount;
    double centreHeight;
    double thickness;
    int red;
    int green;
    int blue;
    int gloss;
    bool textured;  // the texture scales the thickness
    bool solid;     // the texture has no say in the strength
    bool scrape;    // the relief is scraped flat instead of pulled toward the centre
};

// One cell of weight w > 0 under texture sample tv (255 without a texture) and grain byte
// style. Each field is written on its own: a whole-cell copy made from byte stores stalls the
// store forwarding of the next read.
inline void depositCell(const DepositDab& d, CanvasCell& cell, float w, int tv, int style) {
    const float fa = float(w * d.amount);
    const float k = d.solid ? fa : float(tv * double(kByteFraction) * fa);
    const uint8_t red = dab::moveToward(cell.red, d.red, k);
    const uint8_t green = dab::moveToward(cell.green, d.green, k);
    const uint8_t blue = dab::moveToward(cell.blue, d.blue, k);
    const uint8_t paint = dab::moveToward(cell.paint, style, k);
    const uint8_t gloss = dab::moveToward(cell.gloss, d.gloss, k);
    const double h = cell.height;
    const float relief =
        d.scrape ? float(h - 0.5 * h * k) : float(h + (d.centreHeight - h) * 0.5 * k);
    double add = 0.5 * fa * d.thickness;
    if (d.textured) {
        add = tv * double(kTextureLift) * add;
    }
    cell.red = red;
    cell.green = green;
    cell.blue = blue;
    cell.paint = paint;
    cell.gloss = gloss;
    cell.height = float(relief + add);
}

// The same on the count cells of one row, eight at a time and bit for bit, with weights,
// texture samples and grain bytes one a cell; cells of weight 0 stay. Needs AVX2 and FMA.
void depositRowAvx2(const DepositDab& dab, CanvasCell* cells, const float* weights,
                    const uint8_t* texture, const uint8_t* style, int count);

}  // namespace dw
