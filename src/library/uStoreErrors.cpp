#include "library/uStoreErrors.h"

#include "foundation/uFormat.h"
#include "foundation/uPrompt.h"
#include "library/uDBMainBase.h"
#include "library/uLibraryEntities.h"

QString StoreErrorText(const std::exception& error) {
    return QString::fromUtf8(error.what());
}

void ShowStoreWriteError(const QString& text) {
    ShowError(Format(kDatabaseWriteError, {text}));
}

void ShowStoreWriteError(const std::exception& error) {
    ShowStoreWriteError(StoreErrorText(error));
}

void ShowStoreReadError(const std::exception& error) {
    ShowError(Format(kDatabaseError, {StoreErrorText(error)}));
}
