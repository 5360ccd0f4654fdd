#include "util/NumText.h"

#include "util/Errors.h"
#include "util/Fields.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace zw {

namespace {
std::string Quote(std::string_view t) { return "'" + std::string(t) + "'"; }

bool ParseDoubleAt(std::string_view s, size_t& used, double& out) {
    // from_chars is locale-independent: "." always.
    size_t i = 0;
    if (i < s.size() && s[i] == '+') ++i;
    auto r = std::from_chars(s.data() + i, s.data() + s.size(), out);
    if (r.ec != std::errc()) return false;
    used = static_cast<size_t>(r.ptr - s.data());
    return true;
}
} // namespace

double ParseFloat(std::string_view text) {
    std::string t = Trim(text);
    double v = 0;
    size_t used = 0;
    if (t.empty() || !ParseDoubleAt(t, used, v) || used != t.size() || !std::isfinite(v))
        throw EConvertError(Quote(text) + " is not a valid floating point value");
    return v;
}

float ParseFloat32(std::string_view text) { return static_cast<float>(ParseFloat(text)); }

int ParseInt(std::string_view text) {
    std::string t = Trim(text);
    size_t i = (!t.empty() && t[0] == '+') ? 1 : 0;
    int v = 0;
    auto r = std::from_chars(t.data() + i, t.data() + t.size(), v);
    if (t.empty() || r.ec != std::errc() || r.ptr != t.data() + t.size())
        throw EConvertError(Quote(text) + " is not a valid integer value");
    return v;
}

int ParseIntOr(std::string_view text, int def) {
    try {
        return ParseInt(text);
    } catch (const EConvertError&) {
        return def;
    }
}

double ParseFloatPrefix(std::string_view text) {
    size_t b = 0;
    while (b < text.size() && (text[b] == ' ' || text[b] == '\t')) ++b;
    std::string_view rest = text.substr(b);
    double v = 0;
    size_t used = 0;
    if (!ParseDoubleAt(rest, used, v) || !std::isfinite(v))
        throw EConvertError(Quote(text) + " is not a valid floating point value");
    return v;
}

std::string FloatText(double v) {
    if (std::isnan(v)) return "NAN";
    if (std::isinf(v)) return v > 0 ? "INF" : "-INF";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", v);
    std::string s = buf;
    if (s == "-0") s = "0";
    return s;
}

std::string FixedText(double v, int decimals) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals < 0 ? 0 : decimals, v);
    return buf;
}

std::string IntText(long long v) { return std::to_string(v); }

std::string TimeText(double dayFraction) {
    double f = dayFraction - std::floor(dayFraction);
    long long total = static_cast<long long>(std::floor(f * 86400.0 + 1e-6)) % 86400;
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02lld:%02lld:%02lld", total / 3600, (total / 60) % 60, total % 60);
    return buf;
}

double EncodeTime(int h, int m, int s, int ms) {
    return (h * 3600.0 + m * 60.0 + s + ms / 1000.0) / 86400.0;
}

double ParseTime(std::string_view text) {
    std::string t = Trim(text);
    int parts[3] = {0, 0, 0};
    int count = 0;
    size_t start = 0;
    while (count < 3) {
        size_t colon = t.find(':', start);
        std::string_view piece = std::string_view(t).substr(start, colon == std::string::npos ? std::string::npos
                                                                                         : colon - start);
        int v = 0;
        auto r = std::from_chars(piece.data(), piece.data() + piece.size(), v);
        if (piece.empty() || r.ec != std::errc() || r.ptr != piece.data() + piece.size() || v < 0)
            throw EConvertError(Quote(text) + " is not a valid time");
        parts[count++] = v;
        if (colon == std::string::npos) break;
        start = colon + 1;
        if (count == 3) throw EConvertError(Quote(text) + " is not a valid time");
    }
    if (count < 2 || parts[0] > 23 || parts[1] > 59 || parts[2] > 59)
        throw EConvertError(Quote(text) + " is not a valid time");
    return EncodeTime(parts[0], parts[1], parts[2]);
}

} // namespace zw
