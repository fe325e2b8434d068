#pragma once

namespace dw {

struct PatternImages;

// The 18 paint styles ("paint0".."paint17", first read from "WorkData/Styles/") and the 18
// paper textures ("bump0".."bump17", from "WorkData/Textures/") through the grey store, then
// the tiles the tools read. A picture that is missing stays empty and reads 0.
void LoadPatternImages(PatternImages& patterns);

// The gloss map from the grey store's "gloss" picture (first read from "WorkData/"); without
// it the map stays zero and "Gloss Map failed to load!" is shown.
void loadGlossMapFromStore();

}  // namespace dw
