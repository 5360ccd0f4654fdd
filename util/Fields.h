#pragma once
#include <string>
#include <string_view>

namespace zw {

// The N-th (zero-based, 0..255) comma-separated field of a line, untrimmed.
// When the line has fewer fields, the last field.
std::string CommaField(std::string_view line, int n);

// Trims blanks (space, tab, CR, LF) at both ends.
std::string Trim(std::string_view s);

// ASCII-only case folding: data texts are Windows-1250 bytes.
std::string UpperAscii(std::string_view s);
std::string LowerAscii(std::string_view s);
bool EqualsNoCase(std::string_view a, std::string_view b);

} // namespace zw
