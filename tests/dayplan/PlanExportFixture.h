#pragma once

#include "clocks/ClockTestUtils.h"
#include "clocks/uClockObjList.h"
#include "foundation/uTextFile.h"
#include "library/uSongData.h"
#include "support/TestFiles.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

// Milliseconds since midnight.
constexpr int At(int hours, int minutes, int seconds = 0) {
    return ((hours * 60 + minutes) * 60 + seconds) * 1000;
}

// A station with the default settings and category list ("Reklama o" included), and a day
// of positions built by hand in play order.
class TPlanExportTest : public TStationTest {
protected:
    void SetUp() override {
        TStationTest::SetUp();
        CreateCategoryList();
        Prompt.Clear();
    }
    void TearDown() override {
        FreeCategoryList();
        TStationTest::TearDown();
    }

    // A song position with its cue points at 0 and no file, as a song without them reads.
    TResultSongData& AddSong(int hour, const char* category, const char* artist, const char* title,
                             int time, int dbTime, int mixed = 0) {
        auto song = std::make_unique<TResultSongData>();
        song->SongId = static_cast<int>(Owned.size()) + 1;
        song->Hour = hour;
        song->Category = QString::fromUtf8(category);
        song->ArtistName = QString::fromUtf8(artist);
        song->Title = QString::fromUtf8(title);
        song->SetSongTime(time);
        song->DbTime = dbTime;
        song->Mixed = mixed;
        song->FadeIn = song->FadeOut = song->Mix = song->Intro = song->Outro = 0;
        song->NStart = song->NEnd = 0;
        return Add(std::move(song));
    }
    TResultSongData& AddBlank(int hour, const char* category, const char* categoryName,
                              const char* title, int time) {
        auto blank = std::make_unique<TResultSongData>();
        blank->Blank = true;
        blank->Hour = hour;
        blank->Category = QString::fromUtf8(category);
        blank->CategoryName = QString::fromUtf8(categoryName);
        blank->Title = QString::fromUtf8(title);
        blank->SetSongTime(time);
        blank->DbTime = time;
        blank->Mixed = 0;
        return Add(std::move(blank));
    }

    std::vector<const TResultSongData*> Positions() const {
        std::vector<const TResultSongData*> positions;
        for (const auto& position : Owned)
            positions.push_back(position.get());
        return positions;
    }

    QString OutPath(const char* name = "dzien.mix") const { return Station.Path(name); }

    // The file as written, decoded.
    QStringList WrittenLines(const QString& path) const {
        QStringList lines;
        ReadTextLines(path, lines);
        return lines;
    }
    // The lines of the row's block (from its separator to "KONIEC OPISU").
    QStringList Block(const QString& path, int row) const {
        const QStringList lines = WrittenLines(path);
        QStringList block;
        int blockIndex = -1;
        for (const QString& line : lines) {
            if (line.startsWith(QStringLiteral("; ---")))
                ++blockIndex;
            if (blockIndex == row)
                block.append(line);
        }
        return block;
    }

    // A hand-written file (UTF-8 in the source, one line per line) as the program's bytes.
    static QByteArray FileBytes(const char* text) {
        QString lines = QString::fromUtf8(text);
        lines.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        return EncodeCp1250(lines);
    }
    static QStringList Lines(const std::vector<const char*>& lines) {
        QStringList result;
        for (const char* line : lines)
            result.append(QString::fromUtf8(line));
        return result;
    }

    std::vector<std::unique_ptr<TResultSongData>> Owned;

private:
    TResultSongData& Add(std::unique_ptr<TResultSongData> position) {
        Owned.push_back(std::move(position));
        return *Owned.back();
    }
};
