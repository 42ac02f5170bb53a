#include "dayplan/uStores.h"

#include "clocks/uBroadcastList.h"
#include "clocks/uClockObjList.h"
#include "dayplan/uPlanFile.h"
#include "foundation/uFormat.h"
#include "foundation/uPrompt.h"
#include "library/uDBMainBase.h"
#include "settings/uSettings.h"

#include <exception>

namespace {

TPlanFileReader& PlanFiles() {
    static TPlanFileReader reader;
    return reader;
}

QString ErrorText(const std::exception& error) {
    return QString::fromUtf8(error.what());
}

} // namespace

bool BringUpStores() {
    try {
        InitMainBase();
        InitOptions();
        CreateCategoryList();
        CreateBroadcastList();
        SetPlanReader(&PlanFiles());
        return true;
    } catch (const std::exception& error) {
        ShowError(Format(QStringLiteral("Błąd podczas initializacji: %s"), {ErrorText(error)}));
        return false;
    }
}

bool ReleaseStores() {
    SetPlanReader(nullptr);
    // The stores that protected them are gone.
    struct TForget {
        ~TForget() { ForgetUnreadFiles(); }
    } forget;
    try {
        FreeBroadcastList();
        FreeCategoryList();
        DoneOptions();
        DoneMainBase();
        return true;
    } catch (const std::exception& error) {
        ShowError(Format(QStringLiteral("Błąd podczas zamykania: %s"), {ErrorText(error)}));
        return false;
    }
}
