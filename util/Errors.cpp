#include "util/Errors.h"

#include <new>

namespace zw {

const char* ErrorClassName(const std::exception& e) noexcept {
    if (auto* z = dynamic_cast<const ZwError*>(&e)) return z->ClassName();
    if (dynamic_cast<const std::bad_alloc*>(&e)) return "EOutOfMemory";
    if (dynamic_cast<const std::out_of_range*>(&e)) return "ERangeError";
    if (dynamic_cast<const std::invalid_argument*>(&e)) return "EConvertError";
    return "Exception";
}

} // namespace zw
