#ifndef INFO_RLE_IMAGE_EXEMPLE_HPP
#define INFO_RLE_IMAGE_EXEMPLE_HPP

#include <string>

namespace exemple {

// The bytes of examples/image.rle: a 640 x 480 picture, a bright disk on a
// dark ground framed by a border, stored row by row as runs
// { combien = run length in pixels, quand = grey level }.
std::string image_exemple();

}  // namespace exemple

#endif
