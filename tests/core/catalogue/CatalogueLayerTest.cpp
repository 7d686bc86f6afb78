// The catalogue is plain data read from files: it must not reach up into the windows, editors
// or tools that show it, or it could not be used without them (the command-line tool, tests).

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

TEST(CatalogueLayer, IncludesNothingFromTheLayersAboveIt) {
    const std::filesystem::path folder = std::filesystem::path(VANTREL_SOURCE_DIR) / "src/core/catalogue";
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        std::ifstream in(entry.path());
        ++files;
        for (std::string line; std::getline(in, line);) {
            if (line.rfind("#include", 0) != 0)
                continue;
            for (const char* above : {"core/ui/", "core/editing/", "core/files/", "core/tools/", "core/app/", "desktop/"})
                EXPECT_EQ(line.find(above), std::string::npos) << entry.path().filename() << ": " << line;
        }
    }
    EXPECT_GT(files, 0);
}

} // namespace
