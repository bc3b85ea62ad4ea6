// Saves from separate processes: two copies of the program saving to one file
// at the same moment, and a save under a file-size limit. Each case forks
// before the GUI toolkit is started, so every process is a program of its own.
#include "tests/file_helpers.h"
#include "framework/files.h"
#include "framework/runtime.h"
#include "framework/services.h"
#include "framework/test_driver.h"
#include "main_window/window1.h"
#include "shell/implicit_instances.h"
#include "shell/startup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using test_files::readFile;

std::string block(const std::string& wins) {
    std::string b = "TEAM (BCS#)_Strength\t|| Number of Wins\n";
    for (int row = 0; row < 8; ++row) b += "Team " + std::to_string(row) + " (0.5)_5\t|| " + wins + "\n";
    return b + "==========\n";
}

// A one-byte message between the two processes.
struct Signal {
    int ends[2] = {-1, -1};
    Signal() { EXPECT_EQ(::pipe(ends), 0); }
    ~Signal() {
        ::close(ends[0]);
        ::close(ends[1]);
    }
    void give() { (void)!::write(ends[1], "x", 1); }
    bool await() {
        char c;
        return ::read(ends[0], &c, 1) == 1;
    }
};

// The child's exit code, or minus the signal that ended it.
int outcome(pid_t pid) {
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid) return -1000;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

// Opens the file the way a save does: appending when it is there, else making it.
fw::Ref<fw::TextOutputStream> openLikeASave(const std::string& name) {
    fw::Ref<fw::FolderItem> file = fw::GetFolderItem(name);
    return file->Exists() ? file->AppendToTextFile() : file->CreateTextFile();
}

struct Folder {
    fs::path path;
    Folder() {
        char pattern[] = "/tmp/vantoro-processes-XXXXXX";
        path = ::mkdtemp(pattern);
        fw::seams::setApplicationFolder(path.string());
    }
    ~Folder() {
        fw::seams::setApplicationFolder(std::nullopt);
        fs::remove_all(path);
    }
};

TEST(ResultsFileProcesses, TwoCopiesSavingAtOnceEachLandOneWholeBlock) {
    Folder folder;
    const std::string mine = block("1"), theirs = block("2");
    // Rounds: a new file or an existing one; the other copy's save succeeds or
    // runs out of disk after 100 bytes.
    for (int round = 0; round < 24; ++round) {
        const bool existing = round % 2 == 1, theirsFails = round % 4 >= 2;
        SCOPED_TRACE(round);
        const std::string name = "round-" + std::to_string(round) + ".txt";
        if (existing) std::ofstream(folder.path / name, std::ios::binary) << "kept\n";

        // The other copy opens first (so on a new file it is the one that makes
        // it), then both close at the same moment.
        Signal opened, go;
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            fw::Ref<fw::TextOutputStream> out = openLikeASave(name);
            if (!out) ::_exit(3);
            out->Write(theirs);
            opened.give();
            if (!go.await()) ::_exit(4);
            if (theirsFails) fw::seams::failWritesAfter(100);
            ::_exit(out->Close() ? 0 : 1);
        }
        ASSERT_TRUE(opened.await());
        fw::Ref<fw::TextOutputStream> out = openLikeASave(name);
        ASSERT_TRUE(out);
        out->Write(mine);
        go.give();
        EXPECT_TRUE(out->Close());
        EXPECT_EQ(outcome(pid), theirsFails ? 1 : 0);

        const std::string kept = existing ? "kept\n" : "";
        const std::string text = readFile(folder.path / name);
        if (theirsFails)
            EXPECT_EQ(text, kept + mine);
        else
            EXPECT_TRUE(text == kept + mine + theirs || text == kept + theirs + mine) << text;
    }
}

TEST(ResultsFileProcesses, ACopyThatKeepsTheFileLockedMakesTheSaveGiveUpUntouched) {
    Folder folder;
    std::ofstream(folder.path / "held.txt", std::ios::binary) << "kept\n";
    // A writer (another copy stuck half-way through its save) holding the file.
    const int holder = ::open((folder.path / "held.txt").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(holder, 0);
    ASSERT_EQ(::flock(holder, LOCK_EX), 0);
    fw::Ref<fw::TextOutputStream> out = openLikeASave("held.txt");
    ASSERT_TRUE(out);
    out->Write(block("1"));
    EXPECT_FALSE(out->Close());
    EXPECT_EQ(readFile(folder.path / "held.txt"), "kept\n");
    ::close(holder);
    out = openLikeASave("held.txt");
    out->Write(block("1"));
    EXPECT_TRUE(out->Close());
    EXPECT_EQ(readFile(folder.path / "held.txt"), "kept\n" + block("1"));
}

TEST(ResultsFileProcesses, AFileSizeLimitIsReportedAndLeavesTheFileAsItWas) {
    Folder folder;
    // A day's file of 1,000 bytes, with room for 24 more under the limit.
    std::string earlier;
    while (earlier.size() + 10 <= 1000) earlier += "0123456789";
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        // The copy of the program: the toolkit starts in this process only.
        fw::testing::startHeadless();
        vantoro::registerClasses();
        fw::seams::answerMessageBoxes(true);
        fw::seams::setToday(fw::seams::Day{2026, 12, 8});
        std::string date = fw::Date().ShortDate();
        for (char& c : date)
            if (c == '/') c = '-';
        std::ofstream(folder.path / ("fan-" + date + ".txt"), std::ios::binary) << earlier;
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = std::min<rlim_t>(1024, limit.rlim_max);
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(5);

        fw::Ref<vantoro::Window1> w = vantoro::implicit::Window1();
        for (int row = 0; row < 8; ++row) fw::deref(w->Listbox1()).AddRow({"Team (0.5)_5"});
        for (int row = 0; row < 8; ++row) fw::deref(w->Listbox1()).SetCell(row, 1, "1");
        fw::deref(w->TextField15()).SetText("fan");
        fw::deref(w->PushButton11()).SetEnabled(true);
        fw::testing::click(w->PushButton11());
        const bool reported =
            fw::seams::messageBoxTexts() == std::vector<std::string>{"The results could not be saved"};
        ::_exit(reported && fw::testing::inspect(w->PushButton11()).enabled ? 0 : 1);
    }
    EXPECT_EQ(outcome(pid), 0) << "-" << SIGXFSZ << " is the file-size signal";
    std::vector<fs::path> files(fs::directory_iterator(folder.path), fs::directory_iterator{});
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(readFile(files[0]), earlier);
}

} // namespace
