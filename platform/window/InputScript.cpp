#include "platform/window/InputScript.h"

#include "platform/window/VirtualKeys.h"
#include "util/Errors.h"
#include "util/Fields.h"
#include "util/NumText.h"
#include "util/Paths.h"

#include <algorithm>
#include <sstream>

namespace zw {
namespace {

struct LineReader {
    const std::string& file;
    int line;
    std::vector<std::string> words;
    size_t next = 1;

    [[noreturn]] void Fail(const std::string& expected) const {
        throw EConvertError(file + " line " + std::to_string(line) + ": expected " + expected);
    }
    bool More() const { return next < words.size(); }
    std::string Word(const std::string& expected) {
        if (!More()) Fail(expected);
        return LowerAscii(words[next++]);
    }
    int Int(const std::string& expected) {
        if (!More()) Fail(expected);
        int v = ParseIntOr(words[next], -999999);
        if (v == -999999) Fail(expected + ", found \"" + words[next] + "\"");
        ++next;
        return v;
    }
    double Seconds(const std::string& expected) {
        if (!More()) Fail(expected);
        try {
            double v = ParseFloat(words[next]);
            if (!(v >= 0) || v > 1e7) Fail(expected + " (0 or more)");
            ++next;
            return v;
        } catch (const EConvertError&) {
            Fail(expected + ", found \"" + words[next] + "\"");
        }
    }
    int Key() {
        if (!More()) Fail("a key code or name");
        const std::string& w = words[next];
        int code = 0;
        if (w.size() > 2 && (w[1] == 'x' || w[1] == 'X') && w[0] == '0') {
            try {
                code = std::stoi(w.substr(2), nullptr, 16);
            } catch (...) {
                code = -1;
            }
        } else if (w.size() > 1 && std::all_of(w.begin(), w.end(), [](char c) { return c >= '0' && c <= '9'; })) {
            code = ParseIntOr(w, -1);
        } else {
            code = VirtualKeyByName(w);
        }
        if (code < 1 || code > 255) Fail("a key code 1..255 or a key name, found \"" + w + "\"");
        ++next;
        return code;
    }
    MouseButton Button(const std::string& w) {
        if (w == "left") return MouseButton::Left;
        if (w == "right") return MouseButton::Right;
        if (w == "middle") return MouseButton::Middle;
        Fail("left, right or middle, found \"" + w + "\"");
    }
    void End() {
        if (More()) Fail("the end of the line, found \"" + words[next] + "\"");
    }
};

void ParseLine(LineReader& r, double time, std::vector<ScriptEvent>& out) {
    ScriptEvent se;
    se.time = time;
    InputEvent& e = se.event;
    std::string what = r.Word("key, press, mouse, wheel, joy, close or quit");
    if (what == "key") {
        std::string dir = r.Word("down or up");
        if (dir != "down" && dir != "up") r.Fail("down or up, found \"" + dir + "\"");
        e.kind = dir == "down" ? InputEvent::Kind::KeyDown : InputEvent::Kind::KeyUp;
        e.key = r.Key();
        se.toFrontWindow = true;
    } else if (what == "press") {
        e.kind = InputEvent::Kind::KeyDown;
        e.key = r.Key();
        double hold = r.More() ? r.Seconds("the seconds the key is held") : 0.1;
        se.toFrontWindow = true;
        ScriptEvent up = se;
        up.time = time + hold;
        up.event.kind = InputEvent::Kind::KeyUp;
        r.End();
        out.push_back(se);
        out.push_back(up);
        return;
    } else if (what == "mouse") {
        std::string dir = r.Word("down, up or move");
        if (dir != "down" && dir != "up" && dir != "move") r.Fail("down, up or move, found \"" + dir + "\"");
        e.x = r.Int("the X pixel");
        e.y = r.Int("the Y pixel");
        se.toFrontWindow = true;
        if (dir == "move") {
            e.kind = InputEvent::Kind::MouseMove;
            while (r.More()) {
                std::string m = r.Word("a button or modifier");
                if (m == "shift") e.shift |= shiftstate::Shift;
                else if (m == "ctrl") e.shift |= shiftstate::Ctrl;
                else if (m == "alt") e.shift |= shiftstate::Alt;
                else {
                    MouseButton b = r.Button(m);
                    e.shift |= b == MouseButton::Left    ? shiftstate::Left
                               : b == MouseButton::Right ? shiftstate::Right
                                                         : shiftstate::Middle;
                }
            }
        } else {
            e.kind = dir == "down" ? InputEvent::Kind::MouseDown : InputEvent::Kind::MouseUp;
            if (r.More()) e.button = r.Button(r.Word("left, right or middle"));
        }
    } else if (what == "wheel") {
        e.kind = InputEvent::Kind::MouseWheel;
        int notches = r.Int("the wheel notches");
        if (notches < -1000 || notches > 1000) r.Fail("the wheel notches -1000..1000");
        e.delta = notches * 120;
        se.toFrontWindow = true;
    } else if (what == "joy") {
        if (r.More() && LowerAscii(r.words[r.next]) == "button") {
            ++r.next;
            e.key = r.Int("the joystick button");
            if (e.key < 0 || e.key > 31) r.Fail("a joystick button 0..31");
            std::string dir = r.Word("down or up");
            if (dir != "down" && dir != "up") r.Fail("down or up, found \"" + dir + "\"");
            e.kind = dir == "down" ? InputEvent::Kind::JoyButtonDown : InputEvent::Kind::JoyButtonUp;
        } else {
            e.kind = InputEvent::Kind::JoyAxes;
            e.x = r.Int("the joystick X -100..100");
            e.y = r.Int("the joystick Y -100..100");
            if (e.x < -100 || e.x > 100 || e.y < -100 || e.y > 100) r.Fail("joystick positions -100..100");
        }
    } else if (what == "close") {
        e.kind = InputEvent::Kind::Close;
        se.toFrontWindow = true;
    } else if (what == "quit") {
        e.kind = InputEvent::Kind::Quit;
    } else {
        r.Fail("key, press, mouse, wheel, joy, close or quit, found \"" + what + "\"");
    }
    r.End();
    out.push_back(se);
}

} // namespace

std::vector<ScriptEvent> ParseInputScript(std::string_view text, const std::string& name) {
    std::vector<ScriptEvent> out;
    std::istringstream in{std::string(text)};
    std::string raw;
    int lineNo = 0;
    while (std::getline(in, raw)) {
        ++lineNo;
        std::string line = Trim(raw);
        if (line.empty() || line[0] == '#') continue;
        LineReader r{name, lineNo, {}, 0};
        std::istringstream words(line);
        for (std::string w; words >> w;) r.words.push_back(w);
        r.next = 0;
        double time = r.Seconds("a time in seconds");
        ParseLine(r, time, out);
    }
    std::stable_sort(out.begin(), out.end(),
                     [](const ScriptEvent& a, const ScriptEvent& b) { return a.time < b.time; });
    return out;
}

std::vector<ScriptEvent> LoadInputScript(const std::string& path) {
    return ParseInputScript(ReadFileText(path), path);
}

} // namespace zw
