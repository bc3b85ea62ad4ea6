// Files: a file reference by bare name in the application's folder and a text
// output stream. Writing is all or nothing: the stream keeps what it is given
// and appends it at Close in one go, always at the file's end as it is then, so
// other streams on the same file (in this process or another) lose nothing and
// overwrite nothing. A failure there takes back exactly the bytes this stream
// added (a new file it made is removed when nothing else went into it) and
// Close reports it. A stream dropped without Close leaves no trace.
#pragma once

#include "framework/object.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace fw {

class TextOutputStream : public Object {
public:
    ~TextOutputStream() override;

    static const ClassRecord& staticRecord();
    const ClassRecord& classRecord() const override { return staticRecord(); }

    // Keeps the text, unchanged and with no line end added, for Close.
    void Write(const std::string& text);
    // Puts everything written on disk and closes the file. False when any of
    // it could not be written; none of it then stays in the file. Should the
    // file have gone meanwhile (another stream that made it failed), the text
    // goes into the file of that name made anew, as a save begun now would.
    bool Close();

private:
    friend class FolderItem;
    TextOutputStream(int fd, std::string path, bool created);
    bool holdNamedFile();
    bool append(const std::string& data);
    void takeBack();
    void removeIfEmptyAndOwn();

    int fd_ = -1;
    std::string path_;
    bool created_ = false; // this stream made the file, so may remove it
    // The stretches [begin, end) of the file that this stream wrote, in order.
    std::vector<std::pair<long long, long long>> added_;
    std::string pending_;
};

class FolderItem : public Object {
public:
    static const ClassRecord& staticRecord();
    const ClassRecord& classRecord() const override { return staticRecord(); }

    const std::string& Name() const { return name_; }
    const std::string& path() const { return path_; }

    // Whether anything of that name is in the folder.
    bool Exists() const;
    // A stream on a new, empty file; nil when the file exists already or can't
    // be created. An existing file is never emptied.
    Ref<TextOutputStream> CreateTextFile() const;
    // A stream that adds to the end of an existing plain file; nil when there is
    // none, it can't be opened for writing, or the name is taken by anything but
    // a plain file (a folder, a link, a pipe), which is never waited on.
    Ref<TextOutputStream> AppendToTextFile() const;

private:
    friend Ref<FolderItem> GetFolderItem(const std::string& name);
    FolderItem(std::string name, std::string path);

    std::string name_;
    std::string path_;
};

// The file of that bare name in the application's folder; nil when the name
// can't name a file there: empty, "." or "..", not valid UTF-8, holding "/",
// "\", a control character (U+0000 to U+001F, U+007F to U+009F), a line or
// paragraph separator (U+2028, U+2029) or a mark that turns the direction of
// text (U+200E, U+200F, U+202A to U+202E, U+2066 to U+2069), or longer than
// the folder's file system allows. A name is never taken as a path.
Ref<FolderItem> GetFolderItem(const std::string& name);

namespace seams {
// Lets only this many more bytes reach the disk; every write after that fails
// as on a full disk. nullopt lifts the limit.
void failWritesAfter(std::optional<std::size_t> bytes);
// Runs `action` when a stream's write has failed, before the stream takes its
// bytes back: what another writer might do to the file meanwhile. Empty: none.
void onWriteFailure(std::function<void()> action);
} // namespace seams

} // namespace fw
