#include "settings/uArOptions.h"

#include "foundation/HTMLParser.h"
#include "foundation/uAppPaths.h"
#include "foundation/uMsgLog.h"
#include "foundation/uWholeFile.h"
#include "foundation/uXmlWriter.h"

#include <QFileInfo>
#include <algorithm>
#include <limits>

TArOptions::TArOptions() : FCategories(std::make_unique<TArSongCategories>()) {}

TArOptions::~TArOptions() = default;

// --- Characteristic values

TCharValueList* TArOptions::CharValues(int kind) {
    return IsCharKind(kind) ? &FChars.Values[kind] : nullptr;
}

const TCharValueList* TArOptions::CharValues(int kind) const {
    return IsCharKind(kind) ? &FChars.Values[kind] : nullptr;
}

int TArOptions::LastCharId(int kind) const {
    return IsCharKind(kind) ? FChars.LastIds[kind] : 0;
}

void TArOptions::SetLastCharId(int kind, int id) {
    if (IsCharKind(kind))
        FChars.LastIds[kind] = id;
}

const TCharValue* TArOptions::FindCharValue(int kind, int id) const {
    const int index = CharValueIndex(kind, id);
    return index < 0 ? nullptr : &FChars.Values[kind][index];
}

QString TArOptions::CharValueName(int kind, int id) const {
    const TCharValue* value = FindCharValue(kind, id);
    return value != nullptr ? value->Text : QString();
}

int TArOptions::CharValueId(int kind, const QString& text) const {
    const TCharValueList* values = CharValues(kind);
    if (values == nullptr)
        return -1;
    const auto it = std::find_if(values->begin(), values->end(), [&text](const TCharValue& v) {
        return QString::compare(v.Text, text, Qt::CaseInsensitive) == 0;
    });
    return it != values->end() ? it->Id : -1;
}

int TArOptions::CharValueIndex(int kind, int id) const {
    const TCharValueList* values = CharValues(kind);
    if (values == nullptr)
        return -1;
    const auto it = std::find_if(values->begin(), values->end(),
                                 [id](const TCharValue& v) { return v.Id == id; });
    return it != values->end() ? static_cast<int>(it - values->begin()) : -1;
}

int TArOptions::AddCharValue(int kind, const QString& text) {
    // A counter at the top of the range would wrap to a negative id.
    if (!IsCharKind(kind) || FChars.LastIds[kind] == std::numeric_limits<int>::max())
        return -1;
    const int id = FChars.LastIds[kind] + 1;
    FChars.Values[kind].push_back({text, id});
    FChars.LastIds[kind] = id;
    return id;
}

void TArOptions::LoadCharacteristics() {
    // The messages name the file alone, as the user knows it.
    const QString path = AppFilePath(CharacteristicsFileName);
    if (!QFileInfo::exists(path)) {
        LogMessage(msOptions, TLogLevel::Severe, MissingFileText(CharacteristicsFileName));
        return;
    }
    THTMLParser parser;
    QString error;
    // What stands before a damage is still taken; the file itself is written only on request.
    if (!LoadWholeDocument(parser, path, false, CharacteristicsRootTag, &error))
        LogMessage(msOptions, TLogLevel::Error, FileLoadErrorText(CharacteristicsFileName, error));
    ReadCharacteristics(parser.Root(), FChars);
}

bool TArOptions::SaveCharacteristics() const {
    const QString path = AppFilePath(CharacteristicsFileName);
    QString error;
    if (CharacteristicsDocument(FChars).SaveToFile(path, &error))
        return true;
    LogMessage(msOptions, TLogLevel::Error, FileSaveErrorText(path, error));
    return false;
}

// --- Song categories

void TArOptions::LoadSongCategories() {
    FCategories->Load();
}

bool TArOptions::SaveSongCategories() {
    return FCategories->Save();
}

void TArOptions::SaveOptions(bool withCharacteristics) {
    if (withCharacteristics)
        SaveCharacteristics();
    SaveSongCategories();
}
