#pragma once

#include "clocks/uCategory.h"
#include "clocks/uClockObjList.h"
#include "dayplan/uPlanFile.h"
#include "foundation/uTextFile.h"
#include "library/LibraryFixture.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QStringList>
#include <memory>
#include <vector>

// A station with a tiny library (two songs of two artists), a category list with a basic
// category and the advertisement blank, and a recording prompt.
class DayPlanFixture : public LibraryFixture {
protected:
    static constexpr int kHitsId = 5; // "Przeboje"

    int FirstArtist = -1;
    int SecondArtist = -1;
    int Island = -1; // "Wyspa" by "Maryla", 200 s, /muzyka/plik.mp3
    int Meadow = -1; // "Łąka" by "Stanisław"

    void SetUp() override {
        LibraryFixture::SetUp();
        CategoryList = std::make_unique<TClockObjList>();
        auto hits = std::make_unique<TCategory>();
        hits->SetName(QStringLiteral("Przeboje"));
        ASSERT_TRUE(CategoryList->AddObject(std::move(hits), kHitsId));
        CategoryList->EnsurePredefined();
        FirstArtist = FindArtist(QStringLiteral("Maryla"), true);
        SecondArtist = FindArtist(QStringLiteral("Stanisław"), true);
        Island = StoreSong(FirstArtist, QStringLiteral("Wyspa"));
        Meadow = StoreSong(SecondArtist, QStringLiteral("Łąka"));
        Prompt.Clear();
    }
    void TearDown() override {
        CategoryList.reset();
        LibraryFixture::TearDown();
    }

    static QDate Day() { return QDate(2024, 5, 6); }
    // Milliseconds from midnight.
    static constexpr int Ms(int hours, int minutes, int seconds = 0, int msecs = 0) {
        return ((hours * 60 + minutes) * 60 + seconds) * 1000 + msecs;
    }

    // A plan file whose items are the given attribute texts.
    QString WritePlan(const QStringList& items, const char* name = "dzien.plp") const {
        QStringList lines{QStringLiteral("<CurrentRoot>")};
        for (const QString& item : items)
            lines << QStringLiteral("  <Item %1/>").arg(item);
        lines << QStringLiteral("</CurrentRoot>");
        const QString path = Station.Path(QString::fromUtf8(name));
        EXPECT_TRUE(WriteTextLines(path, lines));
        return path;
    }

    // Every position the reader hands over.
    static std::vector<std::unique_ptr<TResultSongData>>
    ReadAll(const QString& path, bool ask, bool light, bool* result = nullptr) {
        std::vector<std::unique_ptr<TResultSongData>> positions;
        const bool read =
            ReadPlanFile(path, ask, light, [&](std::unique_ptr<TResultSongData> position) {
                positions.push_back(std::move(position));
            });
        if (result)
            *result = read;
        return positions;
    }

    // The file as written, decoded, without its line ends.
    static QStringList FileLines(const QString& path) {
        QStringList lines;
        EXPECT_TRUE(ReadTextLines(path, lines)) << S(path);
        return lines;
    }

    // A directory where a file is to be written or read.
    static void BlockWithDirectory(const QString& path) { ASSERT_TRUE(QDir().mkpath(path)); }
};
