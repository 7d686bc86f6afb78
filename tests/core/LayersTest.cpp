// The core is built in layers, bottom to top; each folder uses only the folders below it. The
// build gives each folder only the headers of the folders below it, and this test names the
// file and line of any include that reaches up, the desktop and the command-line tool included.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Bottom to top.
const std::vector<std::string> Layers = {"platform", "text",    "orbit", "scenario", "catalogue", "vessels",
                                         "ui",       "editing", "files", "tools",    "app"};

// Where an include lands: a folder of the core ("app"), "desktop" or "cli"; empty for anything
// else (the standard library). A quoted include is looked for beside the file first, as the
// compiler does.
std::string includedFolder(const fs::path& src, const fs::path& file, const std::string& name, bool quoted) {
    fs::path target = src / name;
    if (quoted && fs::exists(file.parent_path() / name))
        target = fs::weakly_canonical(file.parent_path() / name);
    const fs::path relative = target.lexically_normal().lexically_relative(src);
    auto part = relative.begin();
    if (part == relative.end())
        return {};
    const std::string top = part->string();
    if (top == "desktop" || top == "cli")
        return top;
    if (top != "core" || ++part == relative.end() || std::next(part) == relative.end())
        return {};
    return part->string();
}

TEST(CoreLayers, EachFolderIncludesOnlyTheFoldersBelowIt) {
    const fs::path src = fs::weakly_canonical(fs::path(VANTREL_SOURCE_DIR) / "src");
    const std::regex include(R"(^\s*#\s*include\s*([<"])([^">]+)[">])");

    std::vector<std::string> folders;
    for (const auto& entry : fs::directory_iterator(src / "core"))
        if (entry.is_directory())
            folders.push_back(entry.path().filename().string());
    std::sort(folders.begin(), folders.end());
    std::vector<std::string> listed = Layers;
    std::sort(listed.begin(), listed.end());
    // A new folder needs its place in the order.
    EXPECT_EQ(folders, listed);

    int files = 0;
    for (size_t level = 0; level < Layers.size(); ++level) {
        const std::string& layer = Layers[level];
        for (const auto& entry : fs::recursive_directory_iterator(src / "core" / layer)) {
            if (!entry.is_regular_file())
                continue;
            ++files;
            std::ifstream in(entry.path());
            int lineNumber = 0;
            for (std::string line; std::getline(in, line);) {
                ++lineNumber;
                std::smatch match;
                if (!std::regex_search(line, match, include))
                    continue;
                const std::string folder = includedFolder(src, entry.path(), match[2], match[1] == "\"");
                if (folder.empty())
                    continue;
                // The desktop, the command-line tool and any folder missing from the order stand
                // above the whole core.
                const size_t includedLevel =
                    static_cast<size_t>(std::find(Layers.begin(), Layers.end(), folder) - Layers.begin());
                if (includedLevel > level)
                    ADD_FAILURE() << entry.path().lexically_relative(src).string() << ":" << lineNumber << " includes "
                                  << match[2] << " from " << folder << "/, above " << layer << "/";
            }
        }
    }
    EXPECT_GT(files, 0);
}

} // namespace
