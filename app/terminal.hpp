#ifndef INFO_RLE_TERMINAL_HPP
#define INFO_RLE_TERMINAL_HPP

namespace info_rle {

// Whether the process's standard output is shown on a terminal (on Windows, a
// console), where a control character written to it acts instead of showing.
bool sortie_est_un_terminal() noexcept;

}  // namespace info_rle

#endif
