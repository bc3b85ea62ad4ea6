// Files: a file reference by bare name in the application's folder and a text
// output stream. Writing is all or nothing: the stream keeps what it is given
// and puts it on disk at Close in one go; a failure there puts the file back as
// it was (an appended file cut back to its former length, a created file
// removed) and Close reports it. A stream dropped without Close leaves no trace.
#pragma once

#include "framework/object.h"

#include <cstddef>
#include <optional>
#include <string>

namespace fw {

class TextOutputStream : public Object {
public:
    ~TextOutputStream() override;

    static const ClassRecord& staticRecord();
    const ClassRecord& classRecord() const override { return staticRecord(); }

    // Keeps the text, unchanged and with no line end added, for Close.
    void Write(const std::string& text);
    // Puts everything written on disk and closes the file. False when any of
    // it could not be written; the file is then as it was before the stream.
    bool Close();

private:
    friend class FolderItem;
    TextOutputStream(int fd, std::string path, bool created, long long originalSize);
    void restore();

    int fd_ = -1;
    std::string path_;
    bool created_ = false;
    long long originalSize_ = 0;
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
    // none or it can't be opened for writing.
    Ref<TextOutputStream> AppendToTextFile() const;

private:
    friend Ref<FolderItem> GetFolderItem(const std::string& name);
    FolderItem(std::string name, std::string path);

    std::string name_;
    std::string path_;
};

// The file of that bare name in the application's folder; nil when the name
// can't name a file there: empty, "." or "..", holding "/", "\" or a NUL, or
// longer than the folder's file system allows. A name is never taken as a path.
Ref<FolderItem> GetFolderItem(const std::string& name);

namespace seams {
// Lets only this many more bytes reach the disk; every write after that fails
// as on a full disk. nullopt lifts the limit.
void failWritesAfter(std::optional<std::size_t> bytes);
} // namespace seams

} // namespace fw
