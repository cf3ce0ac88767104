#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>

#include "viewer/KeyMap.h"

namespace {

// How a viewer's manual page names a key: "W", "Tab", "Page Up", "Ctrl+U".
struct NamedKey {
    int code;
    char const* name;
};
constexpr NamedKey namedKeys[] = {{keys::Tab, "Tab"},        {keys::Space, "Space"},       {keys::Left, "Left"},
                                  {keys::Up, "Up"},          {keys::Right, "Right"},       {keys::Down, "Down"},
                                  {keys::PageUp, "Page Up"}, {keys::PageDown, "Page Down"}};

std::string keyName(KeyRow const& row) {
    std::string name(1, static_cast<char>(row.code));
    for (NamedKey const& k : namedKeys)
        if (k.code == row.code) name = k.name;
    return row.needs == Needs::Ctrl ? "Ctrl+" + name : name;
}

// The keys a page lists: in its KEYS section, the bold tag (".B name")
// that opens each tagged paragraph (".TP").
std::set<std::string> listedKeys(std::string const& page) {
    std::ifstream in(std::string(QUORVEX_MAN_DIR) + "/" + page);
    std::set<std::string> listed;
    bool inKeys = false, tagNext = false;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(".SH", 0) == 0) inKeys = line == ".SH KEYS";
        if (inKeys && tagNext && line.rfind(".B ", 0) == 0) listed.insert(line.substr(3));
        tagNext = line == ".TP";
    }
    return listed;
}

// A key the viewer acts on and its page leaves out, or a key the page
// describes and the viewer ignores, is a fault of the page.
TEST(ManPages, ListExactlyTheKeysEachViewerActsOn) {
    struct Page {
        char const* file;
        KeyStyle style;
    };
    for (Page const p : {Page{"quorvex.1", KeyStyle::Current}, Page{"quorvexlight.1", KeyStyle::Current},
                         Page{"quorvexview.1", KeyStyle::Earlier}}) {
        std::set<std::string> acted;
        for (KeyRow const& row : keyDownTable(p.style)) acted.insert(keyName(row));
        EXPECT_EQ(listedKeys(p.file), acted) << p.file;
    }
}

}  // namespace
