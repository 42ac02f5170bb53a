#include "generator/uFillGenerator.h"

#include "clocks/uBroadcastList.h"
#include "clocks/uClock.h"
#include "clocks/uClockObjList.h"
#include "foundation/uPrompt.h"
#include "generator/uRandClassess.h"
#include "generator/uRandTimer.h"

namespace {

QStringList& IdListOfKind(TRandObj& slot, TCharKind kind) {
    switch (kind) {
    case ckType:
        return slot.TypeIds;
    case ckAtmosphere:
        return slot.AtmosphereIds;
    case ckTempo:
        return slot.TempoIds;
    case ckVocal:
        return slot.VocalIds;
    case ckLanguage:
        return slot.LanguageIds;
    case ckYears:
        break;
    }
    return slot.YearIds;
}

// Builds the slots of one row; false when the build must fail.
class TSlotBuilder {
public:
    explicit TSlotBuilder(TRandTimer& generator) : Generator(generator) {}

    bool AddTopLevelRow(const TClockObjData& row) {
        const TBaseClockObject* object = row.Object();
        if (!object)
            return false;
        if (object->ObjType() == otBroadcast) {
            for (const auto& child : row.Children)
                if (!AddBroadcastItemRow(*child))
                    return false;
            return true;
        }
        if (object->ObjType() == otPlayList) {
            // A list draws from the category list's original, which holds its songs.
            const auto* list = dynamic_cast<const TDetailPlayList*>(
                CategoryList ? CategoryList->FindById(object->Id) : nullptr);
            return !list || AddSlot(row, *list, true);
        }
        return AddSlot(row, *object, true);
    }

private:
    bool AddBroadcastItemRow(const TClockObjData& row) {
        const auto* item = dynamic_cast<const TBroadcastItem*>(row.Object());
        if (!item || !CategoryList)
            return true;
        const TBaseClockObject* master = CategoryList->FindById(item->MasterId());
        if (!master || master->ObjType() == otBroadcast)
            return true;
        return AddSlot(row, *master, false);
    }

    bool AddSlot(const TClockObjData& row, const TBaseClockObject& source, bool topLevel) {
        std::unique_ptr<TBaseRandObj> slot;
        switch (source.ObjType()) {
        case otPlayList: {
            const auto& list = static_cast<const TDetailPlayList&>(source);
            TRandListData* data = Generator.GetListData(list);
            if (!data)
                return false;
            auto playList = std::make_unique<TPlayListObj>(source.Id);
            playList->RndList = list.RndList();
            playList->RepList = list.RepList();
            playList->ListData = data;
            playList->SetSlotStart(row.RowHour);
            slot = std::move(playList);
            break;
        }
        case otBlank:
            slot = MakeBlank(row, source, topLevel);
            break;
        default:
            slot = MakeCategory(row, source);
            break;
        }
        const TBaseClockObject& rowObject = *row.Object();
        slot->OwnHour = row.OwnHour();
        slot->SlotName = rowObject.GetName();
        slot->ExTime = rowObject.ExTime();
        slot->Rest = source.Rest();
        slot->HPrior = source.HPrior();
        slot->SepEnb = source.SepEnb();
        slot->SCat = source.SCat();
        Generator.AddDrawObject(std::move(slot));
        return true;
    }

    static std::unique_ptr<TBaseRandObj> MakeBlank(const TClockObjData& row,
                                                   const TBaseClockObject& source, bool topLevel) {
        auto blank = std::make_unique<TBlankObj>(source.Id);
        blank->Info = row.Object()->UserInfo;
        if (blank->Info.isEmpty()) {
            const TBaseClockObject& holder = topLevel ? *row.Object() : source;
            if (const auto* own = dynamic_cast<const TBlankCategory*>(&holder))
                blank->Info = own->Info;
        }
        blank->SetSlotTime(row.RowPlayTime);
        blank->SetSlotStart(row.RowHour);
        return blank;
    }

    static std::unique_ptr<TBaseRandObj> MakeCategory(const TClockObjData& row,
                                                      const TBaseClockObject& source) {
        auto category = std::make_unique<TRandObj>(source.Id);
        category->SetSlotStart(row.RowHour);
        category->SetSlotTime(row.RowPlayTime);
        for (int column = FirstCharColumn; column <= LastCharColumn; ++column) {
            QStringList& ids = IdListOfKind(*category, CharKindOfColumn(column));
            for (int id : IdsOfCharText(row.CharText(column), column))
                ids.append(QString::number(id));
        }
        category->Any = row.Any();
        category->Lab1 = source.Properties.Lab1;
        category->Lab2 = source.Properties.Lab2;
        return category;
    }

    TRandTimer& Generator;
};

} // namespace

bool FillGenerator(const TClock& clock, TRandTimer& generator, const TClockObjData** failedRow) {
    TSlotBuilder builder(generator);
    for (const auto& row : clock.Rows()) {
        if (builder.AddTopLevelRow(*row))
            continue;
        if (failedRow)
            *failedRow = row.get();
        Prompt().ShowMessage(TBoxKind::bkWarning,
                             QStringLiteral("Zegar zawiera niezdefiniowaną kategorię. Operacje "
                                            "nie może być kontynuowana."));
        return false;
    }
    return true;
}
