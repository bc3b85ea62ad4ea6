// The results file's edges: several streams on one file at once, failures that
// must take back their own bytes and nothing else, a pipe where the file should
// be, and user IDs holding control characters.
#include "tests/file_helpers.h"
#include "framework/files.h"
#include "framework/services.h"
#include "framework/test_driver.h"
#include "main_window/window1.h"
#include "shell/implicit_instances.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using test_files::readFile;

void appendFile(const fs::path& p, const std::string& text) {
    std::ofstream(p, std::ios::binary | std::ios::app) << text;
}

// A block as a save writes it, told apart by its first row's win count.
std::string block(const std::string& wins) {
    std::string b = "TEAM (BCS#)_Strength\t|| Number of Wins\nLSU (1)_10\t|| " + wins + "\n";
    for (int row = 1; row < 8; ++row) b += "Team " + std::to_string(row) + " (0.5)_5\t|| 0\n";
    return b + "==========\n";
}

class ResultsFileEdges : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/vantoro-edges-XXXXXX";
        folder_ = mkdtemp(pattern);
        fw::seams::setApplicationFolder(folder_.string());
        fw::seams::setToday(fw::seams::Day{2026, 12, 8});
        fw::seams::messageBoxTexts().clear();
    }
    void TearDown() override {
        if (w_ && w_->isOpen()) w_->Close();
        fw::seams::failWritesAfter(std::nullopt);
        fw::seams::onWriteFailure({});
        fw::seams::setApplicationFolder(std::nullopt);
        fw::seams::setToday(std::nullopt);
        fs::remove_all(folder_);
    }

    fw::Ref<fw::TextOutputStream> create(const std::string& name) {
        return fw::deref(fw::GetFolderItem(name)).CreateTextFile();
    }
    fw::Ref<fw::TextOutputStream> append(const std::string& name) {
        return fw::deref(fw::GetFolderItem(name)).AppendToTextFile();
    }
    // A stream that fails after a few bytes of its block reached the file.
    bool closeFailing(const fw::Ref<fw::TextOutputStream>& out) {
        fw::seams::failWritesAfter(20);
        const bool ok = out->Close();
        fw::seams::failWritesAfter(std::nullopt);
        return ok;
    }

    // The main window after a final, with the ID as typed or pasted.
    void save(const std::string& typedId) {
        if (!w_) {
            w_ = vantoro::implicit::Window1();
            for (int row = 0; row < 8; ++row) fw::deref(w_->Listbox1()).AddRow({"Team (0.5)_5"});
        }
        for (int row = 0; row < 8; ++row) fw::deref(w_->Listbox1()).SetCell(row, 1, "1");
        fw::deref(w_->TextField15()).SetText(typedId);
        fw::deref(w_->PushButton11()).SetEnabled(true);
        fw::testing::click(w_->PushButton11());
    }
    std::string fileFor(const std::string& id) {
        std::string d = fw::Date().ShortDate();
        std::replace(d.begin(), d.end(), '/', '-');
        return id + "-" + d + ".txt";
    }
    std::size_t entries() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()));
    }

    fs::path folder_;
    fw::Ref<vantoro::Window1> w_;
};

TEST_F(ResultsFileEdges, TwoStreamsOpenAtOnceEachAppendTheirWholeBlock) {
    const std::string a = block("1"), b = block("2");
    // A new file: one stream made it, the other found it there; either may close first.
    for (bool makerFirst : {true, false}) {
        SCOPED_TRACE(makerFirst);
        const std::string name = makerFirst ? "maker-first.txt" : "finder-first.txt";
        auto maker = create(name);
        auto finder = append(name);
        ASSERT_TRUE(maker && finder);
        maker->Write(a.substr(0, 40));
        finder->Write(b.substr(0, 40));
        maker->Write(a.substr(40));
        finder->Write(b.substr(40));
        EXPECT_TRUE((makerFirst ? maker : finder)->Close());
        EXPECT_TRUE((makerFirst ? finder : maker)->Close());
        EXPECT_EQ(readFile(folder_ / name), makerFirst ? a + b : b + a);
    }
    // An existing file keeps its bytes ahead of both blocks.
    appendFile(folder_ / "old.txt", "kept\n");
    auto first = append("old.txt");
    auto second = append("old.txt");
    second->Write(b);
    first->Write(a);
    EXPECT_TRUE(second->Close());
    EXPECT_TRUE(first->Close());
    EXPECT_EQ(readFile(folder_ / "old.txt"), "kept\n" + b + a);
    EXPECT_FALSE(first->Close()); // closed once only
}

TEST_F(ResultsFileEdges, AFailedStreamTakesBackExactlyItsOwnBytes) {
    const std::string a = block("1"), b = block("2");
    // On an existing file, whether the other stream closed before or after.
    for (bool otherFirst : {true, false}) {
        SCOPED_TRACE(otherFirst);
        const std::string name = otherFirst ? "old-1.txt" : "old-2.txt";
        appendFile(folder_ / name, "kept\n");
        auto failing = append(name);
        auto other = append(name);
        failing->Write(a);
        other->Write(b);
        if (otherFirst) {
            EXPECT_TRUE(other->Close());
        }
        EXPECT_FALSE(closeFailing(failing));
        EXPECT_EQ(readFile(folder_ / name), otherFirst ? "kept\n" + b : "kept\n");
        if (!otherFirst) {
            EXPECT_TRUE(other->Close());
        }
        EXPECT_EQ(readFile(folder_ / name), "kept\n" + b);
    }

    // A new file that another stream wrote to stays with that stream's block.
    auto maker = create("new-1.txt");
    auto finder = append("new-1.txt");
    maker->Write(a);
    finder->Write(b);
    EXPECT_TRUE(finder->Close());
    EXPECT_FALSE(closeFailing(maker));
    EXPECT_EQ(readFile(folder_ / "new-1.txt"), b);

    // Its maker failing first takes the empty file away; the other stream then
    // makes it anew and its block is not lost.
    maker = create("new-2.txt");
    finder = append("new-2.txt");
    maker->Write(a);
    finder->Write(b);
    EXPECT_FALSE(closeFailing(maker));
    EXPECT_FALSE(fs::exists(folder_ / "new-2.txt"));
    EXPECT_TRUE(finder->Close());
    EXPECT_EQ(readFile(folder_ / "new-2.txt"), b);

    // A maker dropped without Close leaves the other stream's block alone.
    maker = create("new-3.txt");
    finder = append("new-3.txt");
    finder->Write(b);
    EXPECT_TRUE(finder->Close());
    maker->Write(a);
    maker = nullptr;
    EXPECT_EQ(readFile(folder_ / "new-3.txt"), b);

    // A writer that appends right after the failed bytes keeps its own, moved
    // down in place of them; on a new file the file then stays.
    for (const std::string name : {"old-3.txt", "new-4.txt"}) {
        SCOPED_TRACE(name);
        const bool existed = name == "old-3.txt";
        if (existed) appendFile(folder_ / name, "kept\n");
        auto out = existed ? append(name) : create(name);
        out->Write(a);
        fw::seams::onWriteFailure([&] { appendFile(folder_ / name, "other writer\n"); });
        EXPECT_FALSE(closeFailing(out));
        fw::seams::onWriteFailure({});
        EXPECT_EQ(readFile(folder_ / name), (existed ? "kept\n" : "") + std::string("other writer\n"));
    }
}

TEST_F(ResultsFileEdges, APipeNamedLikeTheFileIsNotWaitedOnNorWritten) {
    const fs::path pipe = folder_ / fileFor("fan");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    save("fan");
    EXPECT_EQ(fw::seams::messageBoxTexts(), std::vector<std::string>{"The results could not be saved"});
    EXPECT_TRUE(fw::testing::inspect(w_->PushButton11()).enabled);

    // With a reader at the other end the pipe would open, and still takes nothing.
    const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    fw::seams::messageBoxTexts().clear();
    save("fan");
    EXPECT_EQ(fw::seams::messageBoxTexts(), std::vector<std::string>{"The results could not be saved"});
    char byte;
    EXPECT_LE(::read(reader, &byte, 1), 0);
    ::close(reader);
    EXPECT_TRUE(fs::is_fifo(pipe));
    EXPECT_EQ(entries(), 1u);
}

TEST_F(ResultsFileEdges, AControlCharacterInTheUserIdNamesNoFile) {
    // ASCII controls; C1 controls (NEL, CSI); the line and paragraph separators;
    // the direction marks, embeddings, overrides and isolates.
    const std::vector<std::string> unusable = {
        "a\tb", "a\x01", "\x1f", std::string("a\x7f") + "b",
        "a\u0080b", "a\u0085b", "a\u009bb", "a\u009fb", "a\u2028b", "a\u2029b", "a\u200eb", "a\u200fb",
        "a\u202ab", "a\u202eb", "a\u2066b", "a\u2069b", "a.\rb"};
    for (const std::string& typed : unusable) {
        SCOPED_TRACE(typed);
        fw::seams::messageBoxTexts().clear();
        save(typed);
        EXPECT_EQ(fw::seams::messageBoxTexts(),
                  std::vector<std::string>{"This UserID can not be used as a file name"});
        EXPECT_TRUE(fw::testing::inspect(w_->PushButton11()).enabled);
        EXPECT_EQ(entries(), 0u);
    }
    EXPECT_EQ(fw::deref(w_->TextField15()).Text(), "a\rb"); // cleaned, left for the user to correct
    // Printable text and the letters and marks of every script still name files.
    for (const char* ok : {"a~b", "caf\xc3\xa9", "Zo\u00eb", "Jose\u0301", "\u05d3\u05d5\u05d3",
                           "\u0645\u062d\u0645\u062f", "a\u00a0b\u200db"}) {
        fw::seams::messageBoxTexts().clear();
        save(ok);
        EXPECT_TRUE(fw::seams::messageBoxTexts().empty()) << ok;
        EXPECT_TRUE(fs::exists(folder_ / fileFor(ok))) << ok;
    }
    EXPECT_FALSE(fw::GetFolderItem(std::string("x\x1b[2Jy"))); // an escape sequence too
    // Bytes that are no UTF-8 (a lone continuation, an overlong "/", a surrogate).
    for (const char* bytes : {"a\x80", "a\xc0\xaf" "b", "\xed\xa0\x80", "a\xe2\x80"})
        EXPECT_FALSE(fw::GetFolderItem(std::string(bytes) + ".txt")) << bytes;
}

} // namespace
