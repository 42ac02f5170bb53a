#include "dayplan/uRelaxedFile.h"

#include "foundation/uTextFile.h"
#include "foundation/uWholeFile.h"
#include "library/uSongData.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QChar kSeparator = QLatin1Char(';');
const QString kBadLine = QStringLiteral("błędny wiersz %1");

// Every rule there is; a set with any other bit was not written by this program.
constexpr TDayRuleSet kKnownRules = (TDayRuleSet(1) << DayRuleCount) - 1;

std::optional<TRelaxedMark> ParseMark(const QString& line) {
    const QStringList fields = line.split(kSeparator);
    if (fields.size() != 3)
        return std::nullopt;
    bool rowOk = false;
    bool songOk = false;
    bool rulesOk = false;
    TRelaxedMark mark{fields[0].toInt(&rowOk), fields[1].toInt(&songOk),
                      fields[2].toUInt(&rulesOk)};
    if (!rowOk || !songOk || !rulesOk || mark.Row < 0 || mark.Rules == 0 ||
        (mark.Rules & ~kKnownRules) != 0)
        return std::nullopt;
    return mark;
}

std::nullopt_t Unread(const QString& path, const QString& reason, QString* error) {
    if (error)
        *error = reason;
    NoteUnreadFile(path);
    return std::nullopt;
}

} // namespace

QString RelaxedFilePath(const QString& planPath) {
    const QFileInfo plan(planPath);
    return QDir(plan.path())
        .filePath(plan.completeBaseName() + QLatin1Char('.') + kRelaxedFileExtension);
}

QStringList RelaxedFileLines(const std::vector<const TResultSongData*>& positions) {
    QStringList lines;
    for (size_t row = 0; row < positions.size(); ++row) {
        const TResultSongData& position = *positions[row];
        if (position.Relaxed != 0)
            lines.append(
                QStringLiteral("%1;%2;%3").arg(row).arg(position.SongId).arg(position.Relaxed));
    }
    return lines;
}

std::optional<std::vector<TRelaxedMark>> ReadRelaxedFile(const QString& path, QString* error) {
    std::vector<TRelaxedMark> marks;
    if (!QFileInfo::exists(path))
        return marks;
    QString text;
    if (!ReadWholeText(path, text, error))
        return std::nullopt;
    // The program writes the file only when there is something in it, every line with its end.
    if (text.isEmpty())
        return Unread(path, WholeFileText::Empty, error);
    if (!text.endsWith(QLatin1Char('\n')))
        return Unread(path, WholeFileText::CutOff, error);
    const QStringList lines = TextLines(text);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const std::optional<TRelaxedMark> mark = ParseMark(lines[i]);
        if (!mark)
            return Unread(path, kBadLine.arg(i + 1), error);
        marks.push_back(*mark);
    }
    return marks;
}

void ApplyRelaxedMarks(const std::vector<TRelaxedMark>& marks,
                       const std::vector<TResultSongData*>& positions) {
    for (const TRelaxedMark& mark : marks) {
        if (mark.Row >= static_cast<int>(positions.size()))
            continue;
        TResultSongData& position = *positions[mark.Row];
        if (position.SongId == mark.SongId && !position.Blank)
            position.Relaxed = mark.Rules;
    }
}
