#include "framework/files.h"

#include "framework/class_record.h"
#include "framework/services.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace fw {

namespace {
std::unique_ptr<ClassRecord> plainRecord() { return std::make_unique<ClassRecord>(); }

std::optional<std::size_t>& writeBudget() {
    static std::optional<std::size_t> budget;
    return budget;
}

// Writes all of `data`, going on after short writes; false on the first error.
bool writeAll(int fd, const std::string& data) {
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
        const ssize_t n = ::write(fd, data.data() + done, chunk);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (budget) *budget -= static_cast<std::size_t>(n);
        done += static_cast<std::size_t>(n);
    }
    return true;
}

std::size_t longestName(const std::string& folder) {
    const long max = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    return max > 0 ? static_cast<std::size_t>(max) : 255;
}
} // namespace

const ClassRecord& TextOutputStream::staticRecord() { return lookupClass("TextOutputStream", plainRecord); }
const ClassRecord& FolderItem::staticRecord() { return lookupClass("FolderItem", plainRecord); }

TextOutputStream::TextOutputStream(int fd, std::string path, bool created, long long originalSize)
    : fd_(fd), path_(std::move(path)), created_(created), originalSize_(originalSize) {}

TextOutputStream::~TextOutputStream() {
    // Never closed (its writer gave up half-way): nothing of it reaches the file.
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
        if (created_) ::unlink(path_.c_str());
    }
}

void TextOutputStream::Write(const std::string& text) {
    if (fd_ >= 0) pending_ += text;
}

bool TextOutputStream::Close() {
    if (fd_ < 0) return false;
    bool ok = writeAll(fd_, pending_) && ::fsync(fd_) == 0;
    if (!ok) restore();
    const int fd = std::exchange(fd_, -1);
    if (::close(fd) != 0 && ok) {
        ok = false;
        if (created_) ::unlink(path_.c_str());
        else (void)::truncate(path_.c_str(), static_cast<off_t>(originalSize_));
    } else if (!ok && created_) {
        ::unlink(path_.c_str());
    }
    pending_.clear();
    return ok;
}

void TextOutputStream::restore() {
    if (!created_) (void)::ftruncate(fd_, static_cast<off_t>(originalSize_));
}

FolderItem::FolderItem(std::string name, std::string path) : name_(std::move(name)), path_(std::move(path)) {}

bool FolderItem::Exists() const {
    struct stat st;
    return ::lstat(path_.c_str(), &st) == 0;
}

Ref<TextOutputStream> FolderItem::CreateTextFile() const {
    // O_EXCL: a file that appeared meanwhile is left alone rather than emptied;
    // O_NOFOLLOW: a link never carries the writing out of the folder.
    const int fd = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) return nullptr;
    return Ref<TextOutputStream>(new TextOutputStream(fd, path_, true, 0));
}

Ref<TextOutputStream> FolderItem::AppendToTextFile() const {
    const int fd = ::open(path_.c_str(), O_WRONLY | O_APPEND | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return nullptr;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    return Ref<TextOutputStream>(new TextOutputStream(fd, path_, false, static_cast<long long>(st.st_size)));
}

Ref<FolderItem> GetFolderItem(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return nullptr;
    if (name.find_first_of(std::string("/\\\0", 3)) != std::string::npos) return nullptr;
    std::string folder = applicationFolder();
    if (folder.empty()) return nullptr;
    if (name.size() > longestName(folder)) return nullptr;
    if (folder.back() != '/') folder += '/';
    return Ref<FolderItem>(new FolderItem(name, folder + name));
}

namespace seams {
void failWritesAfter(std::optional<std::size_t> bytes) { writeBudget() = bytes; }
} // namespace seams

} // namespace fw
