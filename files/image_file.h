#pragma once

#include <string>

#include "files/devil_library.h"
#include "files/pixel_rows.h"

namespace dw {

class Surface;

// Reads any picture file into the surface, re-created at the file's size: "JGI"/"jgi" and
// "JG8"/"jg8" (exactly these spellings of the text after the last ".") with the program's own
// readers; every other file by the kind its first bytes show (never by what DevIL guesses):
// PNG, JPEG, TIFF, WebP, GIF, BMP, binary PGM/PPM and OpenRaster in this process,
// the kinds only DevIL reads by DevIL in a time- and memory-limited process of its own. True
// only when the surface holds the new picture; on failure it is left as it was. Failures are
// reported ("%s Failed to load!") when messages are shown; the JG8 and JGI readers always
// report their own. A path naming a folder, a device or a pipe is refused without being opened.
bool LoadImageFile(Surface& surface, const std::string& path,
                   ImageMessages messages = ImageMessages::Shown);
// The same into rows, without a picture of its own in between for the kinds whose library
// gives rows. When the rows could not be held (rows.outOfMemory()) nothing is reported.
bool LoadImageRows(PixelRows& rows, const std::string& path,
                   ImageMessages messages = ImageMessages::Shown);

enum class FileReplacement {
    Safe,     // a file that was there is only replaced once the new one is on the disk
    InPlace,  // for scratch files: written straight to the path
};

// Exported pictures keep fine detail without the size of a lossless file.
inline constexpr int kExportJpegQuality = 92;

// Writes the surface in the format the path's extension names, in any case: PNG, JPEG, TIFF
// and WebP (lossless) through their reference libraries, other kinds (.bmp, .tga, ...) through
// DevIL.
bool SaveImageFile(const Surface& surface, const std::string& path,
                   FileReplacement replacement = FileReplacement::Safe,
                   int jpegQuality = kExportJpegQuality);

}  // namespace dw
