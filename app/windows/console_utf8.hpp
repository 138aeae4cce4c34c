#ifndef INFO_RLE_CONSOLE_UTF8_HPP
#define INFO_RLE_CONSOLE_UTF8_HPP

namespace info_rle {

// While an object of this type lives, a Windows console that shows standard
// output decodes the tool's text as UTF-8, so that a path echoed from the
// command line reads as typed; the console's code page is put back when it
// ends, also on Ctrl+C. Other systems take the bytes as they are.
class console_utf8 {
public:
#ifdef _WIN32
    console_utf8();
    ~console_utf8();
#else
    console_utf8() = default;
#endif
    console_utf8(const console_utf8&) = delete;
    console_utf8& operator=(const console_utf8&) = delete;
};

}  // namespace info_rle

#endif
