#include "ui/settings/uCharValuesDraft.h"

#include "settings/uArOptions.h"

#include <limits>

TCharValuesDraft::TCharValuesDraft(const TArOptions& options) {
    for (int kind = 0; kind < CharKindCount; ++kind) {
        FChars.Values[kind] = *options.CharValues(kind);
        FChars.LastIds[kind] = options.LastCharId(kind);
    }
}

const TCharValueList& TCharValuesDraft::Values(int kind) const {
    static const TCharValueList none;
    return IsCharKind(kind) ? FChars.Values[kind] : none;
}

int TCharValuesDraft::LastId(int kind) const {
    return IsCharKind(kind) ? FChars.LastIds[kind] : 0;
}

int TCharValuesDraft::IndexOfText(int kind, const QString& text, int except) const {
    const TCharValueList& values = Values(kind);
    for (int index = 0; index < static_cast<int>(values.size()); ++index)
        if (index != except && QString::compare(values[index].Text, text, Qt::CaseInsensitive) == 0)
            return index;
    return -1;
}

int TCharValuesDraft::Add(int kind, const QString& text) {
    // A counter at the top of the range would wrap to a negative id.
    if (!IsCharKind(kind) || FChars.LastIds[kind] == std::numeric_limits<int>::max())
        return -1;
    const int id = ++FChars.LastIds[kind];
    FChars.Values[kind].push_back({text, id});
    return id;
}

void TCharValuesDraft::Rename(int kind, int index, const QString& text) {
    if (TCharValueList* values = Writable(kind, index))
        (*values)[index].Text = text;
}

void TCharValuesDraft::Remove(int kind, int index) {
    if (TCharValueList* values = Writable(kind, index))
        values->erase(values->begin() + index);
}

void TCharValuesDraft::CopyInto(TArOptions& options) const {
    for (int kind = 0; kind < CharKindCount; ++kind) {
        *options.CharValues(kind) = FChars.Values[kind];
        options.SetLastCharId(kind, FChars.LastIds[kind]);
    }
}

TCharValueList* TCharValuesDraft::Writable(int kind, int index) {
    if (!IsCharKind(kind) || index < 0 || index >= static_cast<int>(FChars.Values[kind].size()))
        return nullptr;
    return &FChars.Values[kind];
}
