#include "generator/uSongsFilter.h"

#include "clocks/uObjProperties.h"
#include "foundation/uFormat.h"
#include "generator/uSongsFilterUtils.h"

namespace {

QStringList IdTexts(const TPropArray& ids) {
    QStringList texts;
    texts.reserve(static_cast<int>(ids.size()));
    for (int id : ids)
        texts.append(QString::number(id));
    return texts;
}

} // namespace

void TSongsFilter::SetFilter(const TObjProperties& props, int sCat) {
    VocalIds = IdTexts(props.Vocal);
    AtmosphereIds = IdTexts(props.Atmosphere);
    TempoIds = IdTexts(props.Tempo);
    LanguageIds = IdTexts(props.Language);
    TypeIds = IdTexts(props.PropType);
    YearIds = IdTexts(props.Years);
    CharacterIds.clear();
    Lab1 = props.Lab1;
    Lab2 = props.Lab2;
    Any = props.Any;
    Where.clear();
    SCat = sCat;
}

void TSongsFilter::BuildWhere() {
    LoadCharacterIds(CharacterIds, TypeIds, TempoIds, nullptr, Any, VocalIds, AtmosphereIds,
                     LanguageIds);
    const QString labels = LabelsClause(Lab1, Lab2, Any);
    const QString chars = CharIdsClause(!labels.isEmpty(), CharacterIds);
    const QString years = YearsClause(!labels.isEmpty() || !chars.isEmpty(), YearIds);
    const QString category = QString::number(SCat);
    NoConditions = labels.isEmpty() && chars.isEmpty() && years.isEmpty();
    if (NoConditions)
        Where = Format(QStringLiteral("AND BaseSongs.Category = \"%s\" "), {category});
    else
        Where = Format(QStringLiteral("AND BaseSongs.Category = \"%s\" AND BaseSongs.Song_Id = "
                                      "DatSongs.SongDat_Id AND %s %s %s "),
                       {category, labels, chars, years});
}

QString TSongsFilter::GetWhere() {
    if (Where.isEmpty())
        BuildWhere();
    return Where;
}
