// MinGW's <windows.h>, then min and max as the Windows SDK defines them
// (minwindef.h): see avant.hpp.
#include_next <windows.h>

#ifndef NOMINMAX
#ifndef max
#define max(a, b) (((a) > (b)) ? (a) : (b))
#endif
#ifndef min
#define min(a, b) (((a) < (b)) ? (a) : (b))
#endif
#endif
