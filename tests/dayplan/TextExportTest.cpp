#include "dayplan/PlanExportFixture.h"
#include "dayplan/uPlanExport.h"

#include <QDate>
#include <QFile>
#include <gtest/gtest.h>

class TTextExportTest : public TPlanExportTest {};

TEST_F(TTextExportTest, ListingOfASmallDay) {
    AddBlank(At(6, 0), "3", "Reklama o", "\"Reklama o\"", 60000);
    AddSong(At(6, 1), "1", "Kasia Łęcka", "Żółta łódź", 200000, 203500, 3500);
    AddBlank(At(6, 4, 20), "12", "Informacje", "Serwis", 180000);
    // The listing shows how long a position holds the air, not the song's time.
    TResultSongData& last = AddSong(At(6, 7, 20), "2", "Wykonawca", "Ostatnia", 150000, 150000);
    last.PlayTime = 151500;
    AddSong(At(6, 9, 51) + 500, "200", "", "Bez kategorii", 1000, 1000);

    ASSERT_TRUE(ExportText(Positions(), OutPath("dzien.txt"), QDate(2026, 3, 5)));
    EXPECT_EQ(ReadFileBytes(OutPath("dzien.txt")),
              FileBytes(R"(Play Lista wygenerowana przez program Dobieralnik.

Dzień 5.03.2026

---------------------------------------------------------
godzina kategoria nazwa (rzeczywisty czas)
---------------------------------------------------------

06:00:00 Reklama "Reklama o" (01:00.000)
06:01:00 Muzyka  Kasia Łęcka - Żółta łódź (03:20.000)
06:04:20 Informa Serwis (03:00.000)
06:07:20 Przeboj Wykonawca - Ostatnia (02:31.500)
06:09:51         Bez kategorii (00:01.000)
)"));
    EXPECT_TRUE(Prompt.Boxes.isEmpty());
}

TEST_F(TTextExportTest, WriteFailureIsReportedWithTheReason) {
    AddSong(At(6, 0), "1", "A", "B", 1000, 1000);
    const QString path = Station.Path(QStringLiteral("brak/dzien.txt"));
    QString reason;
    ASSERT_FALSE(WriteTextLines(path, {}, &reason));

    EXPECT_FALSE(ExportText(Positions(), path, QDate(2026, 3, 5)));
    EXPECT_EQ(Prompt.Errors(),
              QStringList{QString::fromUtf8("Błąd przy zapisie pliku mix. (%1)").arg(reason)});
}
