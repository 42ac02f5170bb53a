#pragma once

#include "library/uMainBaseQuery.h"
#include "settings/uArFreqGroups.h"
#include "settings/uSettings.h"

#include <memory>

// Restrictions a test station is given, shared by the generator's and the day report's tests:
// both must read them alike.

// A frequency group in the process-wide groups; its id.
inline int AddTestFreqGroup(int freq, int fPeriod, int max = -1, int mPeriod = mpDay) {
    auto group = std::make_unique<TArFreqGroup>();
    group->Name = QStringLiteral("grupa");
    group->Freq = freq;
    group->FPeriod = fPeriod;
    group->Max = max;
    group->MPeriod = mPeriod;
    return FreqGroups->Add(std::move(group));
}

// The artist's two aliases and frequency group, written straight into the library.
inline void SetTestArtistRules(int artistId, int alias1, int alias2, int group) {
    TMainBaseQuery query;
    query.SetSQL(QStringLiteral(
        "UPDATE artists SET Alias1 = ?, Alias2 = ?, Art_FreqGroup = ? WHERE Art_Id = ?"));
    query.SetParam(1, alias1);
    query.SetParam(2, alias2);
    query.SetParam(3, group);
    query.SetParam(4, artistId);
    query.ExecSQL();
}
