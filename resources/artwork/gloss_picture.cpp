#include "resources/artwork/gloss_picture.h"

#include <algorithm>
#include <cmath>

namespace dw::artwork {

Picture glossPicture() {
    Picture picture(kGlossSide, kGlossSide);
    for (int gz = 0; gz < kGlossSide; ++gz) {
        for (int gx = 0; gx < kGlossSide; ++gx) {
            const float dx = float(gx) - kGlossLobeCentre;
            const float dz = float(gz) - kGlossLobeCentre;
            const float d2 = dx * dx + dz * dz;
            // A tight, bright core for wet highlights and a wide, faint skirt so that gentle
            // slopes still shimmer.
            const float core = std::exp(-d2 / (2.0f * 20.0f * 20.0f));
            const float skirt = std::exp(-d2 / (2.0f * 46.0f * 46.0f));
            const float highlight = std::min(127.0f, 112.0f * core + 28.0f * skirt);
            picture.set(gx, gz, grey(128.0f + highlight));
        }
    }
    return picture;
}

}  // namespace dw::artwork
