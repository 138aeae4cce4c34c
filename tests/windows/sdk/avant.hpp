// Read before every C++ source of a MinGW build made as a check
// (INFO_RLE_MACROS_SDK), with windows.h beside it: the source then meets
// <windows.h> as Visual Studio builds it. The Windows SDK defines min and max
// as function-like macros unless NOMINMAX is defined, and a source that
// lacks it fails there (std::numeric_limits<T>::max() no longer parses).
// MinGW hides this twice: its standard library defines NOMINMAX itself, and
// its headers never define the macros in C++. Here NOMINMAX stays defined
// only when the build defines it, and windows.h defines the macros.
#ifdef NOMINMAX
#define INFO_RLE_NOMINMAX_DE_LA_CONSTRUCTION
#endif
#include <cstddef>  // the standard library's own settings, which define NOMINMAX: read once and for all
#ifndef INFO_RLE_NOMINMAX_DE_LA_CONSTRUCTION
#undef NOMINMAX
#endif
