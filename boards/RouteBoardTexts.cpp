#include "boards/RouteBoardTexts.h"

#include "util/Errors.h"
#include "util/NumText.h"
#include "util/Paths.h"

namespace zw {
namespace {

// The text after the first blank; a line without a blank has no value.
std::string_view ValueOf(std::string_view line) {
    size_t blank = line.find(' ');
    return blank == std::string_view::npos ? std::string_view() : line.substr(blank + 1);
}

bool Starts(std::string_view line, const char key[3]) {
    return line.size() >= 2 && line[0] == key[0] && line[1] == key[1];
}

// One line against every key in turn.
void ApplyLine(std::string_view line, RouteBoardTexts& t, const BoardLineReader& in) {
    std::string s(line);
    auto take = [&](const char key[3], std::string& field) {
        if (!Starts(s, key)) return;
        std::string value(ValueOf(s));
        field = value;
        s = value;
    };
    take("LN", t.LineNumber);
    static const char* lineKeys[10] = {"K1", "K2", "K3", "K4", "K5", "K6", "K7", "K8", "K9", "K0"};
    for (int k = 0; k < 10; ++k) {
        TKierunek& d = t.Kierunki[size_t(k / 2)];
        take(lineKeys[k], k % 2 == 0 ? d.Linia1 : d.Linia2);
    }
    for (int d = 0; d < 5; ++d)
        for (int p = 0; p < 4; ++p) {
            const char key[3] = {char('1' + p), char('A' + d), 0};
            take(key, t.Kierunki[size_t(d)].Punkty[size_t(p)]);
        }
    // "D" values: 1 one line, 2 two lines, 3 first larger, 4 second larger.
    static const uint8_t kinds[5] = {0, RodzajOneLine, RodzajTwoLines, RodzajFirstLarger, RodzajSecondLarger};
    for (int d = 0; d < 5; ++d) {
        const char key[3] = {'D', char('1' + d), 0};
        if (!Starts(s, key)) continue;
        std::string value(ValueOf(s));
        int n = 0;
        try {
            n = ParseInt(value);
        } catch (const EConvertError&) {
            throw EConvertError(in.Where() + "\"" + value + "\" is not an integer (board kind of direction " +
                                std::to_string(d + 1) + ")");
        }
        if (n >= 1 && n <= 4) t.Kierunki[size_t(d)].Rodzaj = kinds[n];
        s = value;
    }
}

} // namespace

void ReadRouteBoardTexts(std::string_view bytes, const std::string& name, RouteBoardTexts& texts,
                         const BoardLineLog* log) {
    RouteBoardTexts t;
    t.LineNumber = texts.LineNumber;
    BoardLineReader in(bytes, name, log);
    while (in.LinesLeft() > 0) {
        std::string_view line = in.Next("a line");
        ApplyLine(line, t, in);
        in.Ok();
    }
    texts = std::move(t);
}

void ReadRouteBoardTextsFile(const std::string& path, RouteBoardTexts& texts, const BoardLineLog* log) {
    std::vector<uint8_t> bytes = ReadFileBytes(path);
    ReadRouteBoardTexts(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), path,
                        texts, log);
}

} // namespace zw
