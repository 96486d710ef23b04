#pragma once

#include <string>

#include "atomicfile.h"

class QImage;

// The bitmap export's file: a device-independent bitmap with its file
// header. 14-byte file header ("BM", file size, two reserved zero words,
// offset of the bits), 40-byte info header (width, height > 0 for rows
// stored bottom-up, one plane, the bit count, no compression, the size of
// the bits, resolutions 0, colours used, colours important 0), a colour
// table of 2^bpp entries for fewer than 24 bits per pixel (none otherwise),
// then the rows, each padded to four bytes.
//
// The bit count follows the image: 1 for a one-bit image, 8 for an indexed
// or grey one, 16 for 5-5-5 and other 16-bit formats, 24 for 8-8-8, and 32
// for everything else (the screen's format), whose bits start at offset 54.

// The file's bytes; false, with a reason, for an empty image or one whose
// file would pass the format's 4 GB limit.
bool EncodeBitmapFile(const QImage& image, std::string* bytes, std::string* problem);

// Writes the file through a temporary file, so that a failure leaves no
// half-written bitmap and keeps an older file of that name.
FileError WriteBitmapFile(const std::string& path, const QImage& image);
