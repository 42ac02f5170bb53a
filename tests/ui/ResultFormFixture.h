#pragma once

#include "ModelCheck.h"
#include "clocks/uCategory.h"
#include "clocks/uClockObjList.h"
#include "dayplan/uDayPlayList.h"
#include "settings/uSettings.h"
#include "support/RecordingPrompt.h"
#include "support/TempStation.h"
#include "ui/uResultForm.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

// A station with three song categories (music, adverts, jingles; music mixes into adverts
// with 4 s), a category list with a basic category and two blanks, and a play-list view over
// a day of positions.
class ResultFormFixture : public ::testing::Test {
protected:
    static constexpr int kMusic = 1;
    static constexpr int kAdvert = 2;
    static constexpr int kJingle = 3; // no colour of its own
    static constexpr int kHitsId = 5;
    static constexpr int kSilenceId = 0;

    static constexpr int Ms(int minutes, int seconds = 0) {
        return (minutes * 60 + seconds) * 1000;
    }

    struct TRow {
        int Category;
        int Hour;
        int SongTime;
        bool OwnHour = false;
        int Mixed = -1;
    };

    TTempStation Station;
    TRecordingPrompt Prompt;
    TDayPlayList List;
    std::unique_ptr<TResultForm> Form;
    std::unique_ptr<TModelCheck> Check;

    void SetUp() override {
        Options = std::make_unique<TArOptions>();
        TArSongCategories& categories = Options->Categories();
        const struct {
            int Id;
            const char* Name;
            TColor Color;
            const char* Mix;
        } table[] = {{kMusic, "Muzyka", clYellow, "2(4)"},
                     {kAdvert, "Reklama", clNavy, ""},
                     {kJingle, "Dżingiel", clNone, ""}};
        for (const auto& entry : table) {
            TArSongCat category;
            category.Id = entry.Id;
            category.Name = QString::fromUtf8(entry.Name);
            category.Color = entry.Color;
            category.Mix = QString::fromLatin1(entry.Mix);
            categories.AddCategory(category);
        }
        categories.SetMixSize(categories.Count());
        for (int i = 0; i < categories.Count(); ++i)
            categories.ParseMix(i, categories.At(i).Mix);

        CategoryList = std::make_unique<TClockObjList>();
        auto hits = std::make_unique<TCategory>();
        hits->SetName(QStringLiteral("Przeboje"));
        CategoryList->AddObject(std::move(hits), kHitsId);
        CategoryList->AddObject(Blank("Cisza", 30), kSilenceId);
        CategoryList->EnsurePredefined();
        Prompt.Clear();
    }
    void TearDown() override {
        Check.reset();
        Form.reset();
        CategoryList.reset();
        Options.reset();
    }

    static std::unique_ptr<TBlankCategory> Blank(const char* name, int seconds) {
        auto blank = std::make_unique<TBlankCategory>();
        blank->SetName(QString::fromUtf8(name));
        blank->SetPlayTime(seconds);
        blank->SetSCat(kAdvert);
        blank->Info = QStringLiteral("Blok %1").arg(QString::fromUtf8(name));
        return blank;
    }

    // The rows are titled A, B, C... in the order given; the view is made over them.
    void Show(const std::vector<TRow>& rows) {
        for (const TRow& row : rows) {
            auto position = std::make_unique<TResultSongData>();
            position->Title = QString(QLatin1Char('A' + List.Count()));
            position->ArtistName = QStringLiteral("Wykonawca %1").arg(List.Count());
            position->Category = QString::number(row.Category);
            position->Hour = row.Hour;
            position->SetSongTime(row.SongTime);
            position->DbTime = row.SongTime;
            position->OwnHour = row.OwnHour;
            position->Mixed = row.Mixed;
            position->CategoryName = QStringLiteral("Przeboje");
            List.Append(std::move(position));
        }
        Check.reset();
        Form = std::make_unique<TResultForm>(List);
        Check = std::make_unique<TModelCheck>(Form->Model());
    }

    // Four chained 3-minute music rows from 10 minutes on.
    static std::vector<TRow> FourRows() {
        return {{kMusic, Ms(10), Ms(3)},
                {kMusic, Ms(13), Ms(3)},
                {kMusic, Ms(16), Ms(3)},
                {kMusic, Ms(19), Ms(3)}};
    }

    QString Titles() const {
        QString titles;
        for (const TResultSongData* position : List.Positions())
            titles += position->Title;
        return titles;
    }
    std::vector<int> Hours() const {
        std::vector<int> hours;
        for (const TResultSongData* position : List.Positions())
            hours.push_back(position->Hour);
        return hours;
    }
};
