#ifndef RLE_FILE_EXPORT_HPP
#define RLE_FILE_EXPORT_HPP

// What a shared reader exports: its public functions (RLE_FILE_EXPORT) and
// the type information of its error types (RLE_FILE_TYPE_VISIBLE), which a
// program needs to catch them. One header for the static and the shared
// reader, so that both install into one prefix: the static one's CMake
// target and pkg-config file define RLE_FILE_STATIC_DEFINE for whoever
// compiles against it.

#if defined(RLE_FILE_STATIC_DEFINE)
#define RLE_FILE_EXPORT
#elif defined(_WIN32) || defined(__CYGWIN__)
#ifdef rle_file_EXPORTS  // defined by CMake while it builds the DLL
#define RLE_FILE_EXPORT __declspec(dllexport)
#else
#define RLE_FILE_EXPORT __declspec(dllimport)
#endif
#else
#define RLE_FILE_EXPORT __attribute__((visibility("default")))
#endif

// The type information, static reader or shared, is visible outside the
// shared object that holds the reader (Windows matches exceptions by their
// type's name, and exports no type).
#if defined(_WIN32) || defined(__CYGWIN__)
#define RLE_FILE_TYPE_VISIBLE
#else
#define RLE_FILE_TYPE_VISIBLE __attribute__((visibility("default")))
#endif

#endif
