#include "tests/file_helpers.h"
#include "framework/files.h"
#include "framework/runtime.h"
#include "framework/services.h"
#include "framework/test_driver.h"
#include "main_window/window1.h"
#include "shell/implicit_instances.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace fs = std::filesystem;

namespace {

const char* const kEntries[8] = {
    "LSU (1)_10",         "Alabama (0.9419)_9",  "Oklahoma State (0.9333)_9", "Stanford (0.8476)_8",
    "Oregon (0.7901)_8",  "Arkansas (0.7687)_8", "Boise State (0.7408)_7",    "Kansas State (0.6827)_7",
};

using test_files::readFile;

// Every file under a folder with its bytes: what a save may not change.
std::map<std::string, std::string> snapshot(const fs::path& root) {
    std::map<std::string, std::string> all;
    for (const auto& e : fs::recursive_directory_iterator(root))
        all[e.path().lexically_relative(root).string()] = e.is_regular_file() ? readFile(e.path()) : "<dir>";
    return all;
}

// The block a save must write for these win counts, built from the file's
// table: heading, eight rows, ten "=", each line ended by a line feed.
std::string expectedBlock(const std::vector<std::string>& wins) {
    std::string b = "TEAM (BCS#)_Strength\t|| Number of Wins\n";
    for (std::size_t i = 0; i < 8; ++i) b += std::string(kEntries[i]) + "\t|| " + wins[i] + "\n";
    return b + "==========\n";
}

class ResultsFile : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/vantoro-results-XXXXXX";
        root_ = mkdtemp(pattern);
        folder_ = root_ / "app";
        fs::create_directory(folder_);
        fw::seams::setApplicationFolder(folder_.string());
        fw::seams::setToday(fw::seams::Day{2026, 12, 8});
        fw::seams::messageBoxTexts().clear();
        w_ = vantoro::implicit::Window1();
        // The list as the first China Bowl makes it, with some wins tallied.
        for (const char* entry : kEntries) {
            fw::deref(w_->Listbox1()).AddRow({entry});
            fw::deref(w_->Listbox1()).SetCell(fw::deref(w_->Listbox1()).LastIndex(), 1, "0");
        }
        setWins({"3", "0", "1", "0", "10", "0", "0", "2"});
    }
    void TearDown() override {
        if (w_->isOpen()) w_->Close();
        fw::seams::failWritesAfter(std::nullopt);
        fw::seams::setApplicationFolder(std::nullopt);
        fw::seams::setToday(std::nullopt);
        fs::remove_all(root_);
    }

    void setWins(const std::vector<std::string>& wins) {
        for (int i = 0; i < 8; ++i) fw::deref(w_->Listbox1()).SetCell(i, 1, wins[static_cast<std::size_t>(i)]);
    }
    // A final has just enabled Save_List; the user types an ID and clicks it.
    void save(const std::string& typedId) {
        fw::deref(w_->TextField15()).SetText("");
        fw::testing::typeText(w_->TextField15(), typedId);
        fw::deref(w_->PushButton11()).SetEnabled(true);
        fw::testing::click(w_->PushButton11());
    }
    std::string dateText() const {
        std::string d = fw::Date().ShortDate();
        std::replace(d.begin(), d.end(), '/', '-');
        return d;
    }
    bool saveListEnabled() { return fw::testing::inspect(w_->PushButton11()).enabled; }
    std::string userIdShown() { return fw::testing::inspect(w_->TextField15()).text; }

    fs::path root_, folder_;
    fw::Ref<vantoro::Window1> w_;
};

TEST_F(ResultsFile, EmptyUserIdAsksForOneAndTouchesNoFile) {
    save("");
    EXPECT_EQ(fw::seams::messageBoxTexts(), std::vector<std::string>{"Please enter your UserID first"});
    EXPECT_TRUE(fs::is_empty(folder_));
    EXPECT_TRUE(saveListEnabled());
}

TEST_F(ResultsFile, TwoSavesOnOneDayAppendTwoBlocksToOneFile) {
    save("j.smith_2");
    EXPECT_EQ(userIdShown(), "jsmith-2");
    EXPECT_FALSE(saveListEnabled());
    const fs::path file = folder_ / ("jsmith-2-" + dateText() + ".txt");
    EXPECT_EQ(readFile(file), expectedBlock({"3", "0", "1", "0", "10", "0", "0", "2"}));

    // Another final; the same ID typed with a blank and a colon names the same file.
    setWins({"3", "0", "1", "0", "11", "0", "0", "2"});
    save("j smith:2");
    EXPECT_EQ(userIdShown(), "jsmith-2");
    EXPECT_EQ(readFile(file), expectedBlock({"3", "0", "1", "0", "10", "0", "0", "2"}) +
                                  expectedBlock({"3", "0", "1", "0", "11", "0", "0", "2"}));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
    EXPECT_TRUE(fw::seams::messageBoxTexts().empty());
}

// A dictation tool writes the whole UserID through the field's accessibility
// interface, typing nothing: the file is named after what the field shows.
// After a save, a second ID set the same way starts its own file.
TEST_F(ResultsFile, AUserIdAnAssistiveToolWroteNamesTheFile) {
    const std::string block = expectedBlock({"3", "0", "1", "0", "10", "0", "0", "2"});
    auto dictate = [this](const std::string& id) {
        const int shown = static_cast<int>(userIdShown().size());
        ASSERT_TRUE(fw::testing::replaceAccessibleText(w_->TextField15(), 0, shown, id));
        ASSERT_EQ(userIdShown(), id);
        fw::deref(w_->PushButton11()).SetEnabled(true);
        fw::testing::click(w_->PushButton11());
    };
    dictate("j.smith_2");
    EXPECT_TRUE(fw::seams::messageBoxTexts().empty());
    EXPECT_EQ(userIdShown(), "jsmith-2");
    EXPECT_EQ(readFile(folder_ / ("jsmith-2-" + dateText() + ".txt")), block);

    dictate("fan");
    EXPECT_EQ(readFile(folder_ / ("fan-" + dateText() + ".txt")), block);
    EXPECT_EQ(readFile(folder_ / ("jsmith-2-" + dateText() + ".txt")), block);
    EXPECT_TRUE(fw::seams::messageBoxTexts().empty());
}

TEST_F(ResultsFile, ANewDayStartsANewFile) {
    save("fan");
    const std::string first = "fan-" + dateText() + ".txt";
    fw::seams::setToday(fw::seams::Day{2026, 12, 9});
    save("fan");
    const std::string second = "fan-" + dateText() + ".txt";
    ASSERT_NE(first, second);
    EXPECT_EQ(readFile(folder_ / first), expectedBlock({"3", "0", "1", "0", "10", "0", "0", "2"}));
    EXPECT_EQ(readFile(folder_ / second), expectedBlock({"3", "0", "1", "0", "10", "0", "0", "2"}));
}

TEST_F(ResultsFile, AnIdThatCannotNameAFileWritesNothingAnywhere) {
    std::ofstream(folder_ / "keep.txt") << "old results\n";
    const auto before = snapshot(root_);
    const std::vector<std::string> unusable = {"a/b", "../../x", "/", "sub\\dir", "x\\..\\..\\y",
                                               std::string(300, 'k')};
    for (const std::string& typed : unusable) {
        SCOPED_TRACE(typed);
        fw::seams::messageBoxTexts().clear();
        save(typed);
        EXPECT_EQ(fw::seams::messageBoxTexts(),
                  std::vector<std::string>{"This UserID can not be used as a file name"});
        EXPECT_TRUE(saveListEnabled());
        EXPECT_EQ(snapshot(root_), before);
    }
    EXPECT_EQ(userIdShown(), std::string(300, 'k'));
    save("a/b.c");
    EXPECT_EQ(userIdShown(), "a/bc"); // the cleaned ID stays for the user to correct
}

TEST_F(ResultsFile, AShortWriteLeavesAnExistingFileAsItWas) {
    const fs::path file = folder_ / ("fan-" + dateText() + ".txt");
    const std::string earlier = expectedBlock({"1", "0", "0", "0", "0", "0", "0", "0"});
    std::ofstream(file, std::ios::binary) << earlier;
    for (std::size_t allowed : {std::size_t{0}, std::size_t{17}, std::size_t{200}}) {
        SCOPED_TRACE(allowed);
        fw::seams::messageBoxTexts().clear();
        fw::seams::failWritesAfter(allowed);
        save("fan");
        EXPECT_EQ(fw::seams::messageBoxTexts(), std::vector<std::string>{"The results could not be saved"});
        EXPECT_TRUE(saveListEnabled());
        EXPECT_EQ(readFile(file), earlier);
    }
    fw::seams::failWritesAfter(std::nullopt);
    save("fan");
    EXPECT_EQ(readFile(file), earlier + expectedBlock({"3", "0", "1", "0", "10", "0", "0", "2"}));
}

TEST_F(ResultsFile, AFailedNewFileIsRemoved) {
    fw::seams::failWritesAfter(100);
    save("fan");
    EXPECT_EQ(fw::seams::messageBoxTexts(), std::vector<std::string>{"The results could not be saved"});
    EXPECT_TRUE(fs::is_empty(folder_));
    EXPECT_TRUE(saveListEnabled());
}

TEST_F(ResultsFile, AFolderThatCannotTakeTheFileIsReportedAndNotMade) {
    fw::seams::setApplicationFolder((folder_ / "gone").string());
    save("fan");
    EXPECT_EQ(fw::seams::messageBoxTexts(), std::vector<std::string>{"The results could not be saved"});
    EXPECT_FALSE(fs::exists(folder_ / "gone"));
    EXPECT_TRUE(saveListEnabled());
}

TEST_F(ResultsFile, ANameTakenByAFolderOrALinkIsNotWrittenThrough) {
    const std::string name = "fan-" + dateText() + ".txt";
    fs::create_directory(folder_ / name);
    save("fan");
    EXPECT_EQ(fw::seams::messageBoxTexts(), std::vector<std::string>{"The results could not be saved"});
    EXPECT_TRUE(fs::is_empty(folder_ / name));

    fs::remove(folder_ / name);
    std::ofstream(root_ / "outside.txt") << "x";
    fs::create_symlink(root_ / "outside.txt", folder_ / name);
    save("fan");
    EXPECT_EQ(readFile(root_ / "outside.txt"), "x");
    EXPECT_TRUE(saveListEnabled());
}

// A fast double-click on Save_List: the second click waits for the first
// save, finds Save_List disabled and writes nothing. On a new file and on an
// existing one, each save lands one whole block.
TEST_F(ResultsFile, ADoubleClickSavesOneBlock) {
    const std::string block = expectedBlock({"3", "0", "1", "0", "10", "0", "0", "2"});
    for (int save = 1; save <= 2; ++save) {
        fw::deref(w_->TextField15()).SetText("fan");
        fw::deref(w_->PushButton11()).SetEnabled(true);
        bool inside = false;
        fw::testing::later(0, [this, &inside] {
            inside = fw::runtime::handlerRunning();
            fw::testing::click(w_->PushButton11());
        });
        fw::testing::click(w_->PushButton11());
        fw::testing::processEvents();
        EXPECT_TRUE(inside);
        std::string expected;
        for (int k = 0; k < save; ++k) expected += block;
        EXPECT_EQ(readFile(folder_ / ("fan-" + dateText() + ".txt")), expected);
        EXPECT_FALSE(saveListEnabled());
    }
    EXPECT_TRUE(fw::seams::messageBoxTexts().empty());
}

// Restart clicked while the file is written waits for the save to end: the
// block is whole, then the window starts afresh.
TEST_F(ResultsFile, RestartDuringTheSaveActsAfterIt) {
    fw::testing::later(0, [this] { fw::testing::click(w_->PushButton8()); });
    save("fan");
    EXPECT_EQ(readFile(folder_ / ("fan-" + dateText() + ".txt")),
              expectedBlock({"3", "0", "1", "0", "10", "0", "0", "2"}));
    EXPECT_FALSE(w_->isOpen());
    auto fresh = vantoro::implicit::Window1();
    EXPECT_NE(fresh.get(), w_.get());
    EXPECT_EQ(fw::deref(fresh->Listbox1()).ListCount(), 0);
    EXPECT_TRUE(fw::seams::messageBoxTexts().empty());
    fresh->Close();
}

// The date in a file's name is the locale's short date; where no locale is
// configured (C) it is the numeric month/day/year form, not a spelled-out month.
TEST(ShortDate, FollowsTheLocale) {
    fw::seams::setToday(fw::seams::Day{2026, 12, 8});
    const std::pair<const char*, const char*> cases[] = {{"en_US", "12/8/26"}, {"de_DE", "08.12.26"}, {"C", "12/8/26"}};
    for (const auto& [locale, shortDate] : cases) {
        fw::seams::setDateLocale(locale);
        EXPECT_EQ(fw::Date().ShortDate(), shortDate) << locale;
    }
    fw::seams::setDateLocale(std::nullopt);
    fw::seams::setToday(std::nullopt);
}

TEST(FolderItem, AStreamDroppedWithoutCloseLeavesNoTrace) {
    char pattern[] = "/tmp/vantoro-files-XXXXXX";
    const fs::path folder = mkdtemp(pattern);
    fw::seams::setApplicationFolder(folder.string());
    {
        auto created = fw::deref(fw::GetFolderItem("new.txt")).CreateTextFile();
        ASSERT_TRUE(created);
        created->Write("half");
    }
    EXPECT_TRUE(fs::is_empty(folder));
    std::ofstream(folder / "old.txt") << "kept\n";
    {
        auto appended = fw::deref(fw::GetFolderItem("old.txt")).AppendToTextFile();
        ASSERT_TRUE(appended);
        appended->Write("half");
    }
    EXPECT_EQ(readFile(folder / "old.txt"), "kept\n");
    EXPECT_FALSE(fw::deref(fw::GetFolderItem("old.txt")).CreateTextFile()); // never empties a file
    const std::vector<std::string> unusable = {"", ".", "..", "a/b", "a\\b", std::string("a\0b", 3),
                                               std::string(256, 'n')};
    for (const std::string& bad : unusable)
        EXPECT_FALSE(fw::GetFolderItem(bad)) << bad;
    EXPECT_TRUE(fw::GetFolderItem(std::string(255, 'n')));
    fw::seams::setApplicationFolder(std::nullopt);
    fs::remove_all(folder);
}

} // namespace
