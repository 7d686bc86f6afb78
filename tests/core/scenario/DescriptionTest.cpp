// How a file describes itself: the first DESC block that opens a line anywhere, the HYPERDESC
// and URLDESC blocks beside it, and a description written back into the file without touching
// any other byte. Real folders of the simulator are used when ../shared/corpus is there.

#include "support/TempFolder.h"

#include "core/files/Description.h"
#include "core/files/ScenarioFolders.h"
#include "core/platform/FileSystem.h"
#include "core/platform/TextFile.h"
#include "core/scenario/Description.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace vantrel::test {
namespace {

using Kind = HtmlDescription::Kind;

struct Reading {
    const char* name;
    const char* bytes;
    const char* description; // descriptionOf
    Kind html;
    const char* htmlText;
};

class DescriptionReading : public ::testing::TestWithParam<Reading> {};

TEST_P(DescriptionReading, FindsTheBlocksAsTheSimulatorDoes) {
    const Reading& c = GetParam();
    EXPECT_EQ(descriptionOf(c.bytes), c.description);
    const HtmlDescription html = htmlDescriptionOf(c.bytes);
    EXPECT_EQ(html.kind, c.html);
    EXPECT_EQ(html.text, c.htmlText);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DescriptionReading,
    ::testing::Values(
        Reading{"DescFirst", "BEGIN_DESC\r\nA trip\r\n\r\nEND_DESC\r\nBEGIN_ENVIRONMENT\r\n", "A trip\r\n\r\n",
                Kind::None, ""},
        Reading{"DescAfterHyperdesc",
                "BEGIN_HYPERDESC\n<p>Html</p>\nEND_HYPERDESC\nBEGIN_DESC\nPlain\nEND_DESC\n", "Plain\r\n",
                Kind::Hyper, "Html"},
        Reading{"HyperdescOnlyWithTagsAndEntities",
                "; comment\nBEGIN_HYPERDESC\n<h1>Delta &amp; glider</h1>\n<p>Fly &lt;low&gt; &#233;&#xE9; "
                "&nbsp;<a\nhref=\"x\">here</a> &bogus; &</p>\n\nEND_HYPERDESC",
                "", Kind::Hyper, "Delta & glider\r\nFly <low> \xC3\xA9\xC3\xA9 \xC2\xA0here &bogus; &"},
        Reading{"UrldescOnly", "BEGIN_URLDESC\n  Default\\Checklists\\Checklist1,Checklist1 \nEND_URLDESC\n", "",
                Kind::Url, "Default\\Checklists\\Checklist1,Checklist1"},
        Reading{"UrldescThenDesc", "BEGIN_URLDESC\r\nPage,Topic\r\nEND_URLDESC\r\nBEGIN_DESC\r\nOne\r\nTwo\r\nEND_DESC\r\n",
                "One\r\nTwo\r\n", Kind::Url, "Page,Topic"},
        Reading{"IndentedBeginNotCounted", "  BEGIN_DESC\nHidden\nEND_DESC\nbegin_desc  \nShown\n  end_Desc \n",
                "Shown\r\n", Kind::None, ""},
        Reading{"NoEndRunsToTheLastLine", "BEGIN_DESC\nFirst\nLast", "First\r\nLast\r\n", Kind::None, ""},
        Reading{"MarkerWithMoreIsNoMarker", "BEGIN_DESCRIPTION\nNo\nEND_DESC\n", "", Kind::None, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DescriptionBlocks, LineNumbersForTheWriter) {
    const std::string bytes = "BEGIN_URLDESC\nP\nEND_URLDESC\n BEGIN_DESC\nBEGIN_DESC\nText\nEND_DESC\nBEGIN_HYPERDESC\n";
    const auto lines = platform::lineViews(bytes);
    EXPECT_EQ(descriptionBlockLines(lines), std::make_pair(size_t{4}, size_t{6}));
    EXPECT_EQ(htmlBlockEnd(lines), size_t{2});
    const std::string open = "BEGIN_HYPERDESC\n<p>\n";
    EXPECT_EQ(htmlBlockEnd(platform::lineViews(open)), size_t{1});
    EXPECT_EQ(descriptionBlockLines(platform::lineViews(open)), std::nullopt);
}

struct Splice {
    const char* name;
    const char* bytes;
    const char* text;
    const char* expected;
};

class DescriptionWriting : public ::testing::TestWithParam<Splice> {};

TEST_P(DescriptionWriting, ChangesOnlyTheDescBlock) {
    const Splice& c = GetParam();
    const std::string out = withDescription(c.bytes, c.text);
    EXPECT_EQ(out, c.expected);
    EXPECT_EQ(descriptionOf(out), descriptionOf(withDescription("", c.text)));
}

INSTANTIATE_TEST_SUITE_P(
    Files, DescriptionWriting,
    ::testing::Values(
        Splice{"ReplacedKeepingTheFilesLineEnds", "BEGIN_DESC\nOld\nlines\nEND_DESC\nBEGIN_ENVIRONMENT\n",
               "New\r\ntext\r\n", "BEGIN_DESC\nNew\ntext\nEND_DESC\nBEGIN_ENVIRONMENT\n"},
        Splice{"AddedAfterHyperdescThatEndsTheFile", "BEGIN_HYPERDESC\n<p>x</p>\nEND_HYPERDESC", "Line",
               "BEGIN_HYPERDESC\n<p>x</p>\nEND_HYPERDESC\nBEGIN_DESC\nLine\nEND_DESC"},
        Splice{"AddedAfterUrldesc", "BEGIN_URLDESC\r\nP\r\nEND_URLDESC\r\nBEGIN_SHIPS\r\n", "A\nB",
               "BEGIN_URLDESC\r\nP\r\nEND_URLDESC\r\nBEGIN_DESC\r\nA\r\nB\r\nEND_DESC\r\nBEGIN_SHIPS\r\n"},
        Splice{"DescAfterUrldescReplaced", "BEGIN_URLDESC\nP\nEND_URLDESC\nBEGIN_DESC\n1\n2\n3\nEND_DESC \n", "One\n",
               "BEGIN_URLDESC\nP\nEND_URLDESC\nBEGIN_DESC\nOne\nEND_DESC \n"},
        Splice{"UnclosedBlockGetsItsEnd", "x\r\nBEGIN_DESC\r\nOld\r\n", "New", "x\r\nBEGIN_DESC\r\nNew\r\nEND_DESC\r\n"},
        Splice{"UnchangedTextKeepsMixedLineEnds", "BEGIN_DESC\r\nA\nB\rEND_DESC\n", "A\r\nB\r\n",
               "BEGIN_DESC\r\nA\nB\rEND_DESC\n"},
        Splice{"NewFile", "", "Two\r\nlines", "BEGIN_DESC\r\nTwo\r\nlines\r\nEND_DESC\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// The simulator's own scenario folders, copied into a temporary tree: saving a folder
// description never loses the HTML block or another byte of the file.
class CorpusFolderDescriptions : public ::testing::Test {
protected:
    void SetUp() override {
        corpus = std::filesystem::path(VANTREL_CORPUS_DIR) / "orbiter-2016" / "Scenarios";
        if (!std::filesystem::exists(corpus))
            GTEST_SKIP() << "no corpus at " << corpus;
    }
    // A copy of the corpus folder's description file; the copy's folder.
    std::string copy(const std::string& folder) {
        const auto from = corpus / folder / "Description.txt";
        const std::string bytes = *platform::readFile(from.string());
        temp.write(folder + "/Description.txt", bytes);
        return temp / folder;
    }
    std::filesystem::path corpus;
    TempFolder temp;
};

TEST_F(CorpusFolderDescriptions, AHyperdescFolderKeepsItsHtmlAndABlankBoxChangesNothing) {
    const std::string folder = copy("Delta-glider");
    const std::string before = temp.read("Delta-glider/Description.txt");
    EXPECT_EQ(folderDescription(folder), "");
    EXPECT_EQ(folderDescriptionPreview(folder).rfind("Delta-glider scenarios\r\nThe Delta-glider is", 0), 0u);
    EXPECT_TRUE(folderDescribed(folder)) << "a blank box must not replace it";

    ASSERT_EQ(saveFolderDescription(folder, "Gliders\r\n"), "");
    const std::string after = temp.read("Delta-glider/Description.txt");
    EXPECT_EQ(after, before + "\nBEGIN_DESC\nGliders\nEND_DESC");
    EXPECT_EQ(folderDescription(folder), "Gliders\r\n");
}

TEST_F(CorpusFolderDescriptions, EveryFolderSavedWithItsOwnTextComesBackIdentical) {
    int folders = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(corpus)) {
        if (entry.path().filename() != "Description.txt")
            continue;
        const std::string relative = std::filesystem::relative(entry.path().parent_path(), corpus).string();
        const std::string folder = copy(relative);
        const std::string before = temp.read(relative + "/Description.txt");
        ASSERT_EQ(saveFolderDescription(folder, folderDescription(folder)), "") << relative;
        EXPECT_EQ(temp.read(relative + "/Description.txt"), before) << relative;
        // A new text: the lines before the new or changed DESC block are the file's own.
        ASSERT_EQ(saveFolderDescription(folder, "Changed\r\n"), "") << relative;
        const std::string after = temp.read(relative + "/Description.txt");
        const auto lines = platform::lineViews(before);
        const size_t kept = descriptionBlockLines(lines)   ? descriptionBlockLines(lines)->first + 1
                            : htmlBlockEnd(lines)          ? *htmlBlockEnd(lines) + 1
                                                           : 0;
        const auto afterLines = platform::lineViews(after);
        ASSERT_GE(afterLines.size(), kept) << relative;
        for (size_t i = 0; i < kept; ++i)
            EXPECT_EQ(afterLines[i], lines[i]) << relative << " line " << i;
        EXPECT_EQ(folderDescription(folder), "Changed\r\n") << relative;
        ++folders;
    }
    EXPECT_GE(folders, 20);
}

TEST_F(CorpusFolderDescriptions, AScenarioWithUrldescThenDescShowsItsDesc) {
    const auto file = corpus / "Checklists" / "Mission 1 - DG to ISS.scn";
    const std::string bytes = *platform::readFile(file.string());
    const std::string text = descriptionOf(bytes);
    EXPECT_EQ(platform::lineViews(text).size(), 9u);
    EXPECT_EQ(text.rfind("Mission 1: Delta-glider to ISS\r\n", 0), 0u);
    EXPECT_EQ(htmlDescriptionOf(bytes).text, "Default\\Checklists\\Checklist1,Checklist1");
    EXPECT_EQ(descriptionPreview(file.string()), text);
    EXPECT_EQ(withDescription(bytes, text), bytes);
}

} // namespace
} // namespace vantrel::test
