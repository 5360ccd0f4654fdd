#include "shell/LogMarkup.h"

#include <cstdio>
#include <ctime>

namespace zw {

namespace {

// A message is cut into tokens; pieces of text are the Text tokens.
struct Token {
    enum class Kind { Text, Break, Column, Align, Fill, Group };
    Kind kind = Kind::Text;
    std::string text;
    int n = 0;
    char fill = ' ';
};

bool AllDigits(const std::string& s) {
    if (s.empty() || s.size() > 4) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

void AddText(std::vector<Token>& out, std::string text) {
    Token t;
    t.text = std::move(text);
    out.push_back(std::move(t));
}

void AddBlock(std::vector<Token>& out, const std::vector<std::string>& lines) {
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) out.push_back(Token{Token::Kind::Break, {}, 0, ' '});
        AddText(out, lines[i]);
    }
}

// The value tags and system blocks are expanded here: the first pass.
void AddTag(std::vector<Token>& out, const std::string& tag, const MarkupContext& ctx) {
    using K = Token::Kind;
    if (tag == "/") return out.push_back(Token{K::Break, {}, 0, ' '});
    if (tag == "&") return out.push_back(Token{K::Group, {}, 0, ' '});
    if (tag.size() >= 2 && tag[0] == '@' && AllDigits(tag.substr(1)))
        return out.push_back(Token{K::Column, {}, std::stoi(tag.substr(1)), ' '});
    if (tag.size() >= 2 && tag.back() == '@' && AllDigits(tag.substr(0, tag.size() - 1)))
        return out.push_back(Token{K::Align, {}, std::stoi(tag.substr(0, tag.size() - 1)), ' '});
    if (tag.size() >= 3 && tag[0] == '*' && AllDigits(tag.substr(1, tag.size() - 2)))
        return out.push_back(Token{K::Fill, {}, std::stoi(tag.substr(1, tag.size() - 2)), tag.back()});
    if (tag == "dte") return AddText(out, ctx.date);
    if (tag == "hms") return AddText(out, ctx.time);
    if (tag == "App_name") return AddText(out, ctx.appName);
    LogBlock b;
    if (tag == "CPUI")
        b = LogBlock::Cpu;
    else if (tag == "Mem")
        b = LogBlock::Memory;
    else if (tag == "RAM")
        b = LogBlock::Ram;
    else if (tag == "HEAP")
        b = LogBlock::Heap;
    else
        return AddText(out, "#HLTag(" + tag + ")");
    if (ctx.block) AddBlock(out, ctx.block(b));
}

std::vector<Token> Tokenize(const std::string& msg, const MarkupContext& ctx) {
    std::vector<Token> out;
    std::string text;
    size_t i = 0;
    while (i < msg.size()) {
        size_t close = msg[i] == '{' ? msg.find('}', i + 1) : std::string::npos;
        if (close == std::string::npos) {
            text += msg[i++];
            continue;
        }
        if (!text.empty()) AddText(out, std::move(text));
        text.clear();
        AddTag(out, msg.substr(i + 1, close - i - 1), ctx);
        i = close + 1;
    }
    if (!text.empty()) AddText(out, std::move(text));
    return out;
}

// Fills pad the piece just before them; a fill with no piece before it makes
// a piece of its own ("{*80*}").
std::vector<Token> ApplyFills(std::vector<Token> line) {
    std::vector<Token> out;
    for (auto& t : line) {
        if (t.kind != Token::Kind::Fill) {
            out.push_back(std::move(t));
            continue;
        }
        if (out.empty() || out.back().kind != Token::Kind::Text) AddText(out, "");
        std::string& piece = out.back().text;
        if (piece.size() < size_t(t.n)) piece.append(size_t(t.n) - piece.size(), t.fill);
    }
    return out;
}

// Everything between two {&} becomes one piece; an unclosed group runs to the
// end of the line.
std::vector<Token> ApplyGroups(std::vector<Token> line) {
    std::vector<Token> out;
    bool inGroup = false;
    for (auto& t : line) {
        if (t.kind == Token::Kind::Group) {
            inGroup = !inGroup;
            if (inGroup) AddText(out, "");
            continue;
        }
        if (inGroup) {
            if (t.kind == Token::Kind::Text) out.back().text += t.text;
            continue;
        }
        out.push_back(std::move(t));
    }
    return out;
}

std::string Layout(const std::vector<Token>& line) {
    std::string s;
    for (size_t i = 0; i < line.size(); ++i) {
        const Token& t = line[i];
        if (t.kind == Token::Kind::Text) {
            s += t.text;
        } else if (t.kind == Token::Kind::Column) {
            size_t want = t.n > 0 ? size_t(t.n - 1) : 0;
            if (s.size() < want)
                s.append(want - s.size(), ' ');
            else if (s.size() > want)
                s += ' ';
        } else if (t.kind == Token::Kind::Align) {
            size_t piece = 0;
            if (i + 1 < line.size() && line[i + 1].kind == Token::Kind::Text) piece = line[i + 1].text.size();
            size_t end = s.size() + piece;
            if (end <= size_t(t.n))
                s.append(size_t(t.n) - end, ' ');
            else
                s += ' ';
        }
    }
    return s;
}

} // namespace

std::vector<std::string> RenderMarkup(const std::string& message, const MarkupContext& ctx) {
    std::vector<Token> tokens = Tokenize(message, ctx);
    std::vector<std::vector<Token>> lines(1);
    for (auto& t : tokens) {
        if (t.kind == Token::Kind::Break)
            lines.emplace_back();
        else
            lines.back().push_back(std::move(t));
    }
    // A message ending in a line end does not start another line.
    if (lines.size() > 1 && lines.back().empty()) lines.pop_back();
    std::vector<std::string> out;
    out.reserve(lines.size());
    for (auto& l : lines)
        out.push_back(Layout(ApplyGroups(ApplyFills(std::move(l)))));
    return out;
}

std::string LogDateText(long long unixSeconds) {
    std::time_t t = std::time_t(unixSeconds);
    std::tm tm{};
    localtime_r(&t, &tm);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday);
    return buf;
}

std::string LogTimeText(long long unixSeconds) {
    std::time_t t = std::time_t(unixSeconds);
    std::tm tm{};
    localtime_r(&t, &tm);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", tm.tm_hour, tm.tm_min, tm.tm_sec);
    return buf;
}

} // namespace zw
