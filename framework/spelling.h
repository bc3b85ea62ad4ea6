// Spelling: marks the words of an editable text that the system's dictionary
// does not know, with a red wavy underline. Marks are formatting only: the
// text and its undo history stay as the user left them.
#pragma once

#include <optional>
#include <string>

class QTextDocument;

namespace fw::spelling {

// Starts or stops checking the document: words are checked at once and again
// whenever the text changes. Without an installed dictionary nothing is marked.
void check(QTextDocument& document, bool on);

} // namespace fw::spelling

namespace fw::seams {
// The folder that holds the dictionaries (NAME.aff and NAME.dic); nullopt for
// the system's own.
void setDictionaryFolder(std::optional<std::string> folder);
} // namespace fw::seams
