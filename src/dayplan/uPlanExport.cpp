#include "dayplan/uPlanExport.h"

#include "clocks/uClockObjList.h"
#include "dayplan/uExportMessages.h"
#include "dayplan/uMixBlock.h"
#include "foundation/uArUtils.h"
#include "foundation/uDateTime.h"
#include "foundation/uFormat.h"
#include "foundation/uMsgLog.h"
#include "foundation/uPrompt.h"
#include "foundation/uTextFile.h"
#include "settings/uSettings.h"

#include <QStringList>
#include <optional>

namespace {

// The category whose songs are asked about when the next position cuts them short: music.
const QString MusicCategory = QStringLiteral("1");

const QString ListingRule = QString(57, QLatin1Char('-'));
constexpr int ListingCategoryWidth = 7;

bool SaveExport(const QString& path, const QStringList& lines) {
    QString error;
    if (WriteTextLines(path, lines, &error))
        return true;
    LogMessage(msResult, TLogLevel::Error, Format(ExportWriteErrorText, {error}));
    return false;
}

// An advertisement block comes from the predefined advertisement blank of the category list.
bool IsAdvertBlock(const TResultSongData& blank) {
    if (!CategoryList || blank.CategoryName.isEmpty())
        return false;
    const TBaseClockObject* object = CategoryList->FindByName(blank.CategoryName);
    return object != nullptr && object->Id == AdvertBlankId;
}

// Whether a shortened song is faded out at the next position's start: kept with the song
// categories so that later exports of the run follow the last answer. Without the settings
// up the answer lasts for this export.
class TMixCSongSetting {
public:
    TMixCSongSetting() : FValue(Options ? Options->MixCSong() : false) {}
    bool Value() const { return FValue; }
    void Store(bool value) {
        FValue = value;
        if (Options)
            Options->SetMixCSong(value);
    }

private:
    bool FValue;
};

// Builds the ".mix" lines, asking about the positions whose times do not match the library.
class TMixBuilder {
public:
    TMixBuilder(const std::vector<const TResultSongData*>& positions, const TFocusRow& focusRow)
        : FPositions(positions), FFocusRow(focusRow) {}

    // False when the user stopped the export.
    bool Build() {
        FLines = MixHeaderLines(static_cast<int>(FPositions.size()));
        for (int row = 0; row < static_cast<int>(FPositions.size()); ++row) {
            const TResultSongData& position = *FPositions[row];
            if (position.Blank)
                AppendBlankBlock(FLines, position, IsAdvertBlock(position));
            else if (!AppendSong(row))
                return false;
        }
        return true;
    }

    const QStringList& Lines() const { return FLines; }

private:
    bool AppendSong(int row) {
        const TResultSongData& song = *FPositions[row];
        const TResultSongData* next =
            row + 1 < static_cast<int>(FPositions.size()) ? FPositions[row + 1] : nullptr;
        const TPositionSpan span = SpanOf(song, next);
        bool shortened = false;
        if (song.DbTime < span.Span) {
            // The audio ends before the next position starts: silence on air.
            Focus(row);
            const QString excess = SecondsText(span.SpanWithMix - song.DbTime);
            if (!AskYesNo(Format(PositionLongerText, {PositionCaption(song), excess})))
                return false;
        } else if (song.Category == MusicCategory && span.SpanWithMix < song.DbTime) {
            if (FAskAgain && !AskShortened(row, song, span))
                return false;
            shortened = !FMixCSong.Value();
        }
        AppendSongBlock(FLines, song, span, shortened);
        return true;
    }

    // Asks whether to fade the shortened song; false when the export is to stop.
    bool AskShortened(int row, const TResultSongData& song, const TPositionSpan& span) {
        Focus(row);
        const QString text =
            Format(PositionShortenedText,
                   {PositionCaption(song), SecondsText(song.DbTime - span.SpanWithMix)});
        bool dontAskAgain = false;
        const TOptionAnswer answer =
            AskOption(ShortenedTitle, text, DontAskAgainCaption, dontAskAgain);
        FMixCSong.Store(answer != TOptionAnswer::oaYes);
        FAskAgain = !dontAskAgain;
        return answer != TOptionAnswer::oaAbort;
    }

    void Focus(int row) const {
        if (FFocusRow)
            FFocusRow(row);
    }

    const std::vector<const TResultSongData*>& FPositions;
    const TFocusRow& FFocusRow;
    QStringList FLines;
    TMixCSongSetting FMixCSong;
    // Cleared by "Nie pokazuj tego okna", for this export only.
    bool FAskAgain = true;
};

QString ListingLine(const TResultSongData& position) {
    const QString hour = CutAtDot(FormatDurationMs(position.Hour, true));
    const QString category =
        (Options ? Options->Categories().NameById(StrToIntDef(position.Category, -1)) : QString())
            .leftJustified(ListingCategoryWidth, QLatin1Char(' '), true);
    const QString playTime = FormatDurationMs(position.PlayTime, false);
    if (position.ArtistName.isEmpty())
        return Format(QStringLiteral("%s %s %s (%s)"), {hour, category, position.Title, playTime});
    return Format(QStringLiteral("%s %s %s - %s (%s)"),
                  {hour, category, position.ArtistName, position.Title, playTime});
}

} // namespace

// An advertisement block always gets its plain title line: the playout system shows the
// blank's own text, and a block typed bare ("Reklama o") or left empty is still written as
// typed rather than turned into "Reklama o HH:MM".
std::optional<QStringList> MixExportLines(const std::vector<const TResultSongData*>& positions,
                                          const TFocusRow& focusRow) {
    TMixBuilder builder(positions, focusRow);
    if (!builder.Build())
        return std::nullopt;
    return builder.Lines();
}

bool ExportMix(const std::vector<const TResultSongData*>& positions, const QString& path,
               const TFocusRow& focusRow, bool* stoppedByUser) {
    const std::optional<QStringList> lines = MixExportLines(positions, focusRow);
    if (stoppedByUser)
        *stoppedByUser = !lines;
    return lines && SaveExport(path, *lines);
}

bool ExportText(const std::vector<const TResultSongData*>& positions, const QString& path,
                const QDate& day) {
    QStringList lines{QStringLiteral("Play Lista wygenerowana przez program Dobieralnik."),
                      QString(),
                      QStringLiteral("Dzień ") + FormatShortDate(day),
                      QString(),
                      ListingRule,
                      QStringLiteral("godzina kategoria nazwa (rzeczywisty czas)"),
                      ListingRule,
                      QString()};
    for (const TResultSongData* position : positions)
        lines.append(ListingLine(*position));
    return SaveExport(path, lines);
}
