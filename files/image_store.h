#pragma once

#include <string>

namespace dw {

class Surface;

// Pictures by name. The first request for a name reads folder + name + ".bmp" and appends a
// compact copy to a store; later requests, in this run or a later one, are answered from the
// store and need the BMP no more. The surface is only replaced when a picture was found.

// Colour pictures: "data/ipack", kept as JPEG ("name.jpg"), so they come back JPEG-decoded.
void LoadPackedImage(Surface& surface, const std::string& name, const std::string& folder);
// Grey pictures: "data/ppack", kept as raw JG8 ("name.jg8"); grey from the first use on, each
// pixel's blue, green and red being the BMP pixel's red.
void LoadPackedGreyImage(Surface& surface, const std::string& name, const std::string& folder);

// "Failed to pack image!" is shown once a run for both stores together; this starts a new run.
void allowPackFailureNoticeAgain();

}  // namespace dw
