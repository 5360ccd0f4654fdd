#pragma once
// Internal texts are the Windows-1250 bytes of the data files; texts shown
// to a person are converted to UTF-8 at that boundary only.
#include <string>
#include <string_view>

namespace zw {

std::string Cp1250ToUtf8(std::string_view cp);
// Characters without a Windows-1250 byte become '?'.
std::string Utf8ToCp1250(std::string_view utf8);
// The Unicode code point of one Windows-1250 byte (0 for the five unassigned bytes).
char32_t Cp1250ToUnicode(unsigned char b);

} // namespace zw
