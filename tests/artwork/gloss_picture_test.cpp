#include <gtest/gtest.h>

#include "canvas/gloss_map.h"
#include "resources/artwork/gloss_picture.h"

namespace dw::artwork {
namespace {

// Slopes that rise to the right and downward give a normal to the low gx and gz side: the
// flanks that face the upper left. Flat paint stays unwashed.
TEST(GlossPicture, HighlightLobeFacesTheUpperLeft) {
    GlossMap map;
    map.fillFrom(glossPicture().toGreySurface());
    EXPECT_LE(map.at(128, 128), 12);
    int bestX = 0;
    int bestZ = 0;
    for (int gx = 0; gx < GlossMap::kSide; ++gx) {
        for (int gz = 0; gz < GlossMap::kSide; ++gz) {
            if (map.at(gx, gz) > map.at(bestX, bestZ)) {
                bestX = gx;
                bestZ = gz;
            }
        }
    }
    EXPECT_LT(bestX, 110);
    EXPECT_LT(bestZ, 110);
    EXPECT_GE(map.at(bestX, bestZ), 100);
    EXPECT_LE(map.at(256 - bestX, 256 - bestZ), 4) << "the opposite flank lights up as well";
}

}  // namespace
}  // namespace dw::artwork
