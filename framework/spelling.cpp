#include "framework/spelling.h"

#include <QFileInfo>
#include <QLocale>
#include <QStringEncoder>
#include <QSyntaxHighlighter>
#include <QTextCharFormat>
#include <QTextDocument>

#include <hunspell/hunspell.hxx>

#include <memory>

namespace fw {

namespace {

std::optional<std::string>& dictionaryFolderSeam() {
    static std::optional<std::string> folder;
    return folder;
}

// One loaded dictionary, shared by every checked text; loading it costs far more
// than checking a whole text, so it stays loaded for the life of the process.
class Dictionary {
public:
    Dictionary(const QString& aff, const QString& dic)
        : hunspell_(QFile::encodeName(aff).constData(), QFile::encodeName(dic).constData()),
          encoding_(hunspell_.get_dict_encoding().c_str()) {
        if (!encoding_.isValid()) encoding_ = QStringEncoder(QStringEncoder::Utf8);
    }

    bool knows(const QString& word) {
        const QByteArray bytes = encoding_.encode(word);
        return hunspell_.spell(std::string(bytes.constData(), std::size_t(bytes.size())));
    }

private:
    Hunspell hunspell_;
    QStringEncoder encoding_;
};

// The dictionary of the system's language, else American English; nil when
// neither is installed.
std::shared_ptr<Dictionary> dictionary() {
    static QString loadedFrom;
    static std::shared_ptr<Dictionary> loaded;
    const QString folder = QString::fromStdString(dictionaryFolderSeam().value_or("/usr/share/hunspell"));
    QString base;
    for (const QString& name : {QLocale::system().name(), QStringLiteral("en_US")}) {
        const QString candidate = folder + '/' + name;
        if (QFileInfo::exists(candidate + ".aff") && QFileInfo::exists(candidate + ".dic")) {
            base = candidate;
            break;
        }
    }
    if (base.isEmpty()) return nullptr;
    if (base != loadedFrom) {
        loaded = std::make_shared<Dictionary>(base + ".aff", base + ".dic");
        loadedFrom = base;
    }
    return loaded;
}

bool isApostrophe(QChar c) { return c == u'\'' || c == u'\u2019'; }

class SpellingHighlighter : public QSyntaxHighlighter {
public:
    SpellingHighlighter(QTextDocument& document, std::shared_ptr<Dictionary> dictionary)
        : QSyntaxHighlighter(&document), dictionary_(std::move(dictionary)) {
        misspelt_.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
        misspelt_.setUnderlineColor(Qt::red);
        setObjectName(kName);
    }

    static constexpr const char* kName = "spelling";

protected:
    // A word is a run of letters and apostrophes; a run with a digit in it is a
    // number or a code, not a word.
    void highlightBlock(const QString& text) override {
        const qsizetype n = text.size();
        qsizetype i = 0;
        while (i < n) {
            if (!text[i].isLetterOrNumber() && !isApostrophe(text[i])) {
                ++i;
                continue;
            }
            qsizetype start = i;
            bool number = false;
            while (i < n && (text[i].isLetterOrNumber() || isApostrophe(text[i]))) number |= text[i++].isNumber();
            qsizetype end = i;
            while (start < end && isApostrophe(text[start])) ++start;
            while (end > start && isApostrophe(text[end - 1])) --end;
            if (number || start == end) continue;
            if (!dictionary_->knows(text.mid(start, end - start))) setFormat(int(start), int(end - start), misspelt_);
        }
    }

private:
    std::shared_ptr<Dictionary> dictionary_;
    QTextCharFormat misspelt_;
};

} // namespace

void spelling::check(QTextDocument& document, bool on) {
    auto* current = document.findChild<QSyntaxHighlighter*>(SpellingHighlighter::kName, Qt::FindDirectChildrenOnly);
    if (!on) {
        // Leaving the document takes the marks away with the highlighter.
        delete current;
        return;
    }
    if (current) return;
    if (auto found = dictionary()) (new SpellingHighlighter(document, std::move(found)))->rehighlight();
}

void seams::setDictionaryFolder(std::optional<std::string> folder) { dictionaryFolderSeam() = std::move(folder); }

} // namespace fw
