#include "import/uImportCharKinds.h"

#include "settings/uArOptions.h"

#include <algorithm>

namespace {

// The name with its letters folded and stripped of their diacritics. "ł" has no decomposed
// form, so it is mapped by hand.
QString PlainLetters(const QString& name) {
    const QString decomposed =
        name.trimmed().toCaseFolded().normalized(QString::NormalizationForm_D);
    QString plain;
    plain.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        plain.append(c == QChar(0x0142) ? QChar(u'l') : c);
    }
    return plain;
}

} // namespace

bool IsImportedCharKind(int kind) {
    return std::find(ImportedCharKinds.begin(), ImportedCharKinds.end(), kind) !=
           ImportedCharKinds.end();
}

std::optional<int> ImportedCharKindByName(const QString& name) {
    const QString wanted = PlainLetters(name);
    if (wanted.isEmpty())
        return std::nullopt;
    for (const int kind : ImportedCharKinds)
        if (PlainLetters(CharKindCaption(kind)) == wanted)
            return kind;
    return std::nullopt;
}

QStringList ImportedCharKindCaptions() {
    QStringList captions;
    for (const int kind : ImportedCharKinds)
        captions.append(CharKindCaption(kind));
    return captions;
}

std::optional<TKindValue> FindImportedKindValue(const TArOptions& options, const QString& kindName,
                                                const QString& valueText, QString* error) {
    const std::optional<int> kind = ImportedCharKindByName(kindName);
    if (!kind) {
        if (error)
            *error = kUnknownImportedKind.arg(
                kindName.trimmed(), ImportedCharKindCaptions().join(QStringLiteral(", ")));
        return std::nullopt;
    }
    const QString text = valueText.trimmed();
    const int id = text.isEmpty() ? -1 : options.CharValueId(*kind, text);
    if (id == -1) {
        if (error)
            *error = kUnknownKindValue.arg(CharKindCaption(*kind), text);
        return std::nullopt;
    }
    return TKindValue{*kind, {options.CharValueName(*kind, id), id}};
}
