#include "framework/files.h"

#include "framework/class_record.h"
#include "framework/services.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <optional>
#include <utility>
#include <vector>

namespace fw {

namespace {
std::optional<std::size_t>& writeBudget() {
    static std::optional<std::size_t> budget;
    return budget;
}

std::function<void()>& failureHook() {
    static std::function<void()> hook;
    return hook;
}

// Opens a plain file for appending; -1 for anything else. Never waits (a pipe
// of that name would block the opening until someone reads it) and never
// follows a link out of the folder. `create`: a new file, never an existing
// one emptied.
int openPlain(const std::string& path, bool create) {
    const int how = O_APPEND | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | (create ? O_CREAT | O_EXCL : 0);
    // Reading lets a failed stream lift its bytes out from between those of
    // other writers; a file that only grants writing is still appended to.
    int fd = ::open(path.c_str(), O_RDWR | how, 0666);
    if (fd < 0 && errno == EACCES) fd = ::open(path.c_str(), O_WRONLY | how, 0666);
    if (fd < 0) return -1;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) (void)::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return fd;
}

// Keeps other copies of the program off the file while a stream appends to it
// or takes its bytes back. Waits up to two seconds for one that is writing;
// true also where the file system has no such locks.
bool lockFile(int fd) {
    for (int tries = 0; tries < 400; ++tries) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return true;
        if (errno != EWOULDBLOCK && errno != EINTR) return true;
        ::usleep(5000);
    }
    return false;
}

// Whether the open file is still the one that the name stands for.
bool namesFile(int fd, const std::string& path) {
    struct stat held, named;
    return ::fstat(fd, &held) == 0 && held.st_nlink > 0 && ::lstat(path.c_str(), &named) == 0 &&
           held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

long long sizeOf(int fd) {
    struct stat st;
    return ::fstat(fd, &st) == 0 ? static_cast<long long>(st.st_size) : -1;
}

// Some file systems report a lost write only when the file is closed: closing
// a copy asks them while the stream can still take its bytes back.
bool closesCleanly(int fd) {
    const int copy = ::dup(fd);
    return copy >= 0 && ::close(copy) == 0;
}

bool readAt(int fd, std::string& into, long long from) {
    std::size_t done = 0;
    while (done < into.size()) {
        const ssize_t n =
            ::pread(fd, into.data() + done, into.size() - done, static_cast<off_t>(from) + static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool writeAt(int fd, const std::string& data, long long at) {
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n =
            ::pwrite(fd, data.data() + done, data.size() - done, static_cast<off_t>(at) + static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The code points of a UTF-8 name; nothing when it is not valid UTF-8.
std::optional<std::vector<char32_t>> codePoints(const std::string& name) {
    std::vector<char32_t> points;
    for (std::size_t i = 0; i < name.size();) {
        const auto lead = static_cast<unsigned char>(name[i]);
        const int extra = lead < 0x80             ? 0
                          : (lead & 0xE0) == 0xC0 ? 1
                          : (lead & 0xF0) == 0xE0 ? 2
                          : (lead & 0xF8) == 0xF0 ? 3
                                                  : -1;
        if (extra < 0 || name.size() - i <= static_cast<std::size_t>(extra)) return std::nullopt;
        char32_t point = extra == 0 ? lead : lead & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(name[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80) return std::nullopt;
            point = (point << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and points past the last are no characters.
        static constexpr char32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
        if (point < kLeast[extra] || (point >= 0xD800 && point <= 0xDFFF) || point > 0x10FFFF) return std::nullopt;
        points.push_back(point);
        i += static_cast<std::size_t>(extra) + 1;
    }
    return points;
}

bool unusableInName(char32_t c) {
    // Control characters (a TAB, a NUL, the C1 controls), line breaks and the
    // marks that turn the direction of text make names that nobody can see as
    // they are, or that a file manager shows in another order.
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029 || c == 0x200E || c == 0x200F ||
           (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == '/' || c == '\\';
}

std::size_t longestName(const std::string& folder) {
    const long max = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    return max > 0 ? static_cast<std::size_t>(max) : 255;
}
} // namespace

const ClassRecord& TextOutputStream::staticRecord() { return lookupClass("TextOutputStream", plainRecord); }
const ClassRecord& FolderItem::staticRecord() { return lookupClass("FolderItem", plainRecord); }

TextOutputStream::TextOutputStream(int fd, std::string path, bool created)
    : fd_(fd), path_(std::move(path)), created_(created) {}

TextOutputStream::~TextOutputStream() {
    // Never closed (its writer gave up half-way): nothing of it reaches the
    // file, and a new file it made goes again unless another stream wrote to it.
    if (fd_ < 0) return;
    if (created_ && lockFile(fd_)) removeIfEmptyAndOwn();
    ::close(fd_);
}

void TextOutputStream::Write(const std::string& text) {
    if (fd_ >= 0) pending_ += text;
}

bool TextOutputStream::Close() {
    if (fd_ < 0) return false;
    const std::string data = std::exchange(pending_, {});
    const bool held = holdNamedFile();
    const bool ok = held && append(data) && ::fsync(fd_) == 0 && closesCleanly(fd_);
    // Without the lock another copy may be writing: nothing of it is touched.
    if (!ok && held) {
        if (const auto& hook = failureHook()) hook();
        takeBack();
        removeIfEmptyAndOwn();
    }
    // Closing also lets go of the lock.
    if (fd_ >= 0) ::close(std::exchange(fd_, -1));
    added_.clear();
    return ok;
}

bool TextOutputStream::holdNamedFile() {
    // Another stream's failure may have taken away the new file that this one
    // was opened on: the text then goes where a save begun now would put it,
    // into the file of that name, made anew if need be.
    for (int round = 0; round < 8; ++round) {
        if (!lockFile(fd_)) return false;
        if (namesFile(fd_, path_)) return true;
        ::close(std::exchange(fd_, -1));
        created_ = true;
        fd_ = openPlain(path_, true);
        if (fd_ < 0 && errno == EEXIST) {
            created_ = false;
            fd_ = openPlain(path_, false);
        }
        if (fd_ < 0) return false;
    }
    return false;
}

bool TextOutputStream::append(const std::string& data) {
    std::size_t done = 0;
    while (done < data.size()) {
        std::size_t chunk = data.size() - done;
        auto& budget = writeBudget();
        if (budget) {
            if (*budget == 0) {
                errno = ENOSPC;
                return false;
            }
            chunk = std::min(chunk, *budget);
        }
        const ssize_t n = ::write(fd_, data.data() + done, chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        if (budget) *budget -= static_cast<std::size_t>(n);
        done += static_cast<std::size_t>(n);
        // Appending leaves the offset at the end of what this write put down,
        // wherever other writers had moved the file's end to.
        long long end = ::lseek(fd_, 0, SEEK_CUR);
        if (end < 0) end = sizeOf(fd_);
        const long long begin = end - n;
        if (!added_.empty() && added_.back().second == begin) added_.back().second = end;
        else added_.emplace_back(begin, end);
    }
    return true;
}

void TextOutputStream::takeBack() {
    if (added_.empty()) return;
    const long long size = sizeOf(fd_);
    const long long from = added_.front().first;
    if (size < 0 || from > size) return;
    std::string kept;
    if (added_.size() > 1 || added_.front().second < size) {
        // Another writer's bytes follow or lie between this stream's: lift out
        // only this stream's and move the others down, in their order.
        std::string tail(static_cast<std::size_t>(size - from), '\0');
        if (!readAt(fd_, tail, from)) return; // no way to part them: leave all
        long long at = from;
        for (const auto& [begin, end] : added_) {
            const long long b = std::clamp(begin, at, size), e = std::clamp(end, b, size);
            kept.append(tail, static_cast<std::size_t>(at - from), static_cast<std::size_t>(b - at));
            at = e;
        }
        kept.append(tail, static_cast<std::size_t>(at - from));
        // Positioned writes would still go to the end while appending.
        const int flags = ::fcntl(fd_, F_GETFL);
        if (flags < 0 || ::fcntl(fd_, F_SETFL, flags & ~O_APPEND) != 0 || !writeAt(fd_, kept, from)) return;
    }
    (void)::ftruncate(fd_, static_cast<off_t>(from + static_cast<long long>(kept.size())));
}

void TextOutputStream::removeIfEmptyAndOwn() {
    if (created_ && sizeOf(fd_) == 0 && namesFile(fd_, path_)) ::unlink(path_.c_str());
}

FolderItem::FolderItem(std::string name, std::string path) : name_(std::move(name)), path_(std::move(path)) {}

bool FolderItem::Exists() const {
    struct stat st;
    return ::lstat(path_.c_str(), &st) == 0;
}

Ref<TextOutputStream> FolderItem::CreateTextFile() const {
    const int fd = openPlain(path_, true);
    if (fd < 0) return nullptr;
    return Ref<TextOutputStream>(new TextOutputStream(fd, path_, true));
}

Ref<TextOutputStream> FolderItem::AppendToTextFile() const {
    const int fd = openPlain(path_, false);
    if (fd < 0) return nullptr;
    return Ref<TextOutputStream>(new TextOutputStream(fd, path_, false));
}

Ref<FolderItem> GetFolderItem(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return nullptr;
    const std::optional<std::vector<char32_t>> points = codePoints(name);
    if (!points || std::any_of(points->begin(), points->end(), unusableInName)) return nullptr;
    std::string folder = applicationFolder();
    if (folder.empty()) return nullptr;
    if (name.size() > longestName(folder)) return nullptr;
    if (folder.back() != '/') folder += '/';
    return Ref<FolderItem>(new FolderItem(name, folder + name));
}

namespace seams {
void failWritesAfter(std::optional<std::size_t> bytes) { writeBudget() = bytes; }
void onWriteFailure(std::function<void()> action) { failureHook() = std::move(action); }
} // namespace seams

} // namespace fw
