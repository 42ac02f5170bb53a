#include "foundation/uWholeFile.h"

#include "foundation/HTMLParser.h"
#include "foundation/uTextFile.h"

#include <QFileInfo>
#include <algorithm>

namespace {

QStringList& Unread() {
    static QStringList files;
    return files;
}

bool IsTextCharacter(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x20)
        return u == u'\t' || u == u'\n' || u == u'\r';
    // DEL, and the five undefined bytes, which decode to C1 controls of the same code.
    return u != 0x7F && !(u >= 0x80 && u <= 0x9F);
}

bool Fail(const QString& path, const QString& reason, QString* error) {
    if (error)
        *error = reason;
    // A file that is not there at all holds nothing to keep.
    if (QFileInfo::exists(path))
        NoteUnreadFile(path);
    return false;
}

} // namespace

bool IsPlainText(const QString& text) {
    return std::all_of(text.begin(), text.end(), IsTextCharacter);
}

namespace {

// Reads the file as text, checking only that it could be read.
bool ReadAnyText(const QString& path, QString& text, QString* error) {
    if (QFileInfo(path).isDir())
        return Fail(path, WholeFileText::IsDirectory, error);
    QString readError;
    if (!ReadTextFile(path, text, &readError))
        return Fail(path, readError, error);
    return true;
}

} // namespace

bool ReadWholeText(const QString& path, QString& text, QString* error) {
    QString read;
    if (!ReadAnyText(path, read, error))
        return false;
    if (!IsPlainText(read))
        return Fail(path, WholeFileText::NotText, error);
    text = std::move(read);
    return true;
}

bool LoadWholeDocument(THTMLParser& parser, const QString& path, bool trimText,
                       const QString& rootName, QString* error) {
    QString text;
    if (!ReadAnyText(path, text, error))
        return false;
    // Parsed in any case: a reader may still take what stands before the damage.
    parser.Parse(text, trimText);
    if (!IsPlainText(text))
        return Fail(path, WholeFileText::NotText, error);
    if (text.trimmed().isEmpty())
        return Fail(path, WholeFileText::Empty, error);
    if (parser.EndedInside())
        return Fail(path, WholeFileText::CutOff, error);
    if (!rootName.isEmpty() && FindChild(parser.Root(), rootName) == nullptr)
        return Fail(path, WholeFileText::NoRoot.arg(rootName), error);
    return true;
}

void NoteUnreadFile(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (!Unread().contains(absolute))
        Unread().append(absolute);
}

const QStringList& UnreadFiles() {
    return Unread();
}

void ForgetUnreadFiles() {
    Unread().clear();
}
