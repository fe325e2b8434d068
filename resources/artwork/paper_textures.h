#pragma once

#include "resources/artwork/picture.h"

namespace dw::artwork {

// Paper texture n ("bump<n>"): the relief of the ground. Bright means raised: it takes the
// full deposit of the Paint Brush and becomes high when filled as a texture; the darker
// grooves and pits take less. The textures stay mostly bright so that paint still covers.
// Texture 0 means "no texture" to the brushes but is what Fill Texture reads for 0: a
// nearly even surface.
Picture paperTexturePicture(int number);
const char* paperTextureTitle(int number);

}  // namespace dw::artwork
