#include "common/pad_to_width.h"

#include <algorithm>

#include "common/range_error.h"

namespace quorvex {

std::string PadToWidth(std::string_view text, unsigned width, char fill) {
    if (text.empty() || width == 0 || width > 255) throw ERangeError();
    std::string result(width, fill);
    std::copy_n(text.begin(), std::min<std::size_t>(width, text.size()), result.begin());
    return result;
}

}  // namespace quorvex
