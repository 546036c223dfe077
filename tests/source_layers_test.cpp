// The folders of src/ are layers: a file includes its own folder and the
// folders below it, never one above, and no two folders include each other.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {
// From the ground up. A new folder of src/ takes its place here.
const std::vector<std::string> kLayers = {"platform", "core",  "files", "scene", "ui",
                                          "rules",    "race",  "menus", "app"};

int Rank(const std::string& folder) {
    for (size_t i = 0; i < kLayers.size(); ++i)
        if (kLayers[i] == folder) return static_cast<int>(i);
    return -1;
}

struct Include {
    std::string file;  // relative to src/
    int line = 0;
    std::string fromFolder, toFolder, target;
};

std::vector<Include> IncludesBelow(const fs::path& src) {
    static const std::regex includeLine(R"re(^\s*#\s*include\s+"([^"/]+)/([^"]+)")re");
    std::vector<Include> includes;
    for (const auto& entry : fs::recursive_directory_iterator(src)) {
        const std::string ext = entry.path().extension().string();
        if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
        const std::string relative = fs::relative(entry.path(), src).generic_string();
        const std::string folder = relative.substr(0, relative.find('/'));
        std::ifstream in(entry.path());
        std::string text;
        std::smatch match;
        for (int line = 1; std::getline(in, text); ++line)
            if (std::regex_search(text, match, includeLine))
                includes.push_back({relative, line, folder, match[1], match[1].str() + "/" + match[2].str()});
    }
    return includes;
}

// Every breach of the layer order under `src`, one readable line each.
std::vector<std::string> LayerViolations(const fs::path& src) {
    std::vector<std::string> violations;
    std::map<std::string, std::set<std::string>> uses;
    for (const Include& inc : IncludesBelow(src)) {
        const std::string where = "src/" + inc.file + ":" + std::to_string(inc.line) + " ";
        if (Rank(inc.fromFolder) < 0) {
            violations.push_back(where + "is not in a layer folder");
            continue;
        }
        if (Rank(inc.toFolder) < 0)
            violations.push_back(where + "includes " + inc.target + ", outside every layer");
        else if (Rank(inc.toFolder) > Rank(inc.fromFolder))
            violations.push_back(where + "includes " + inc.target + ": " + inc.toFolder +
                                 " is a layer above " + inc.fromFolder);
        if (inc.toFolder != inc.fromFolder) uses[inc.fromFolder].insert(inc.toFolder);
    }
    for (const auto& [from, targets] : uses)
        for (const std::string& to : targets)
            if (from < to && uses.count(to) && uses[to].count(from))
                violations.push_back(from + " and " + to + " include each other");
    return violations;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

void WriteSource(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path) << text;
}
}  // namespace

TEST(SourceLayers, EveryIncludePointsToItsOwnLayerOrOneBelow) {
    const std::vector<std::string> violations = LayerViolations(fs::path(SKARVOLL_SOURCE_DIR) / "src");
    EXPECT_TRUE(violations.empty()) << Joined(violations);
}

TEST(SourceLayers, TheCheckNamesAnUpwardIncludeAMutualPairAndAStrayFolder) {
    const fs::path src = fs::temp_directory_path() / ("layers_" + std::to_string(::getpid())) / "src";
    fs::remove_all(src.parent_path());
    WriteSource(src / "core/state.h", "#pragma once\n#include \"platform/clock.h\"\n");
    WriteSource(src / "rules/move.cpp", "#include \"core/state.h\"\n\n#include \"race/loop.h\"\n");
    WriteSource(src / "race/loop.h", "#include \"rules/move.h\"\n  #  include \"gadgets/x.h\"\n");
    WriteSource(src / "extra/odd.cpp", "#include \"core/state.h\"\n");
    WriteSource(src / "platform/clock.h", "#include <ctime>\n#include \"clock_impl.h\"\n");

    const std::vector<std::string> violations = LayerViolations(src);
    const std::set<std::string> found(violations.begin(), violations.end());
    EXPECT_EQ(found, (std::set<std::string>{
                         "src/rules/move.cpp:3 includes race/loop.h: race is a layer above rules",
                         "src/race/loop.h:2 includes gadgets/x.h, outside every layer",
                         "src/extra/odd.cpp:1 is not in a layer folder",
                         "race and rules include each other",
                     }))
        << Joined(violations);
    fs::remove_all(src.parent_path());
}
