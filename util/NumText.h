#pragma once
// Numbers and times as text: "." is the decimal separator and ":" the time
// separator everywhere, whatever the locale.
#include <string>
#include <string_view>

namespace zw {

// Whole text (blanks around allowed) as a number; EConvertError otherwise.
double ParseFloat(std::string_view text);
float ParseFloat32(std::string_view text);
int ParseInt(std::string_view text);
// Leading blanks, then a number; the rest of the text is ignored. EConvertError
// when no number starts there.
double ParseFloatPrefix(std::string_view text);
// Like ParseInt but no exception: def when the text is not an integer.
int ParseIntOr(std::string_view text, int def);

// Shortest general form with up to 15 significant digits ("2.5", "100", "0.001").
std::string FloatText(double v);
// Fixed number of decimals ("3.14").
std::string FixedText(double v, int decimals);
std::string IntText(long long v);

// Day fraction (0.5 is noon) to "hh:mm:ss" (the long time format). Values
// beyond a day wrap; negatives count back from midnight.
std::string TimeText(double dayFraction);
// "hh:mm" or "hh:mm:ss" to a day fraction; EConvertError otherwise.
double ParseTime(std::string_view text);
// Hours, minutes, seconds to a day fraction.
double EncodeTime(int h, int m, int s, int ms = 0);

} // namespace zw
