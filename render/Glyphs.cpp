#include "render/Glyphs.h"

#include <array>

namespace {

// The table is written as text: each primitive starts with L (line strip)
// or P (points) and lists its points. The digits name the grid like a
// numeric keypad (7 8 9 on top, 1 2 3 at the bottom); the letters a to i
// name the few points off the grid.
GlyphPoint pointOf(char c) {
    switch (c) {
    case 'a':
        return {0, 0.25};
    case 'b':
        return {1, 0.75};
    case 'c':
        return {0.25, -0.25};
    case 'd':
        return {0, 1.0 / 3};
    case 'e':
        return {1, 1.0 / 3};
    case 'f':
        return {0, 2.0 / 3};
    case 'g':
        return {1, 2.0 / 3};
    case 'h':
        return {0.5, 0.75};
    case 'i':
        return {0.5, 0.25};
    default: {
        int const k = c - '1';
        return {0.5 * (k % 3), 0.5 * (k / 3)};
    }
    }
}

struct Entry {
    char ch;
    char const* strokes;
};

constexpr Entry table[] = {
    {'a', "L1793 L46"}, {'b', "L1785 L4631"}, {'c', "L3179"},       {'d', "L178631"},   {'e', "L3179 L46"},
    {'f', "L179 L46"},  {'g', "L971365"},     {'h', "L17 L39 L46"}, {'i', "L28"},       {'j', "L128 L79"},
    {'k', "L17 L943"},  {'l', "L317"},        {'m', "L1793 L85"},   {'n', "L178239"},   {'o', "L17931"},
    {'p', "L17964"},    {'q', "L39746"},      {'r', "L17964 L52"},  {'s', "La136479b"}, {'t', "L79 L82"},
    {'u', "L7139"},     {'v', "L719"},        {'w', "L7139 L25"},   {'x', "L19 L37"},   {'y', "L746 L931"},
    {'z', "L7913"},     {'0', "L17931 L19"},  {'1', "L482"},        {'2', "L796413"},   {'3', "L785 L4631"},
    {'4', "L7469 L93"}, {'5', "L974631"},     {'6', "L9746314"},    {'7', "L791"},      {'8', "L17931 L46"},
    {'9', "L1364796"},  {'?', "L7965 P2"},    {'!', "L85 P2"},      {'.', "P2"},        {',', "L2c"},
    {':', "P28"},       {'-', "L46"},         {'+', "L46 L28"},     {'_', "L13"},       {'=', "Lde Lfg"},
    {'(', "L9hi3"},     {')', "L7hi1"},       {'/', "L19"},         {'\\', "L73"},      {'<', "L349"},
    {'>', "L167"},      {'^', "L486"},
};

std::vector<GlyphStroke> parse(char const* text) {
    std::vector<GlyphStroke> strokes;
    for (char const* p = text; *p; ++p) {
        if (*p == ' ') continue;
        if (*p == 'L' || *p == 'P') {
            strokes.push_back(GlyphStroke{*p == 'P', {}});
        } else {
            strokes.back().at.push_back(pointOf(*p));
        }
    }
    return strokes;
}

struct Table {
    std::array<std::vector<GlyphStroke>, 256> strokes;
    std::array<bool, 256> present{};
    Table() {
        for (Entry const& e : table) {
            auto const i = static_cast<unsigned char>(e.ch);
            strokes[i] = parse(e.strokes);
            present[i] = true;
        }
    }
};

}  // namespace

std::vector<GlyphStroke> const* glyphFor(char ch) {
    static Table const t;
    auto const i = static_cast<unsigned char>(ch);
    return t.present[i] ? &t.strokes[i] : nullptr;
}
