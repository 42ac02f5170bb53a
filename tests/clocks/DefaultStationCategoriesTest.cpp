#include "clocks/ClockTestUtils.h"
#include "clocks/uClockObjList.h"
#include "support/TestFiles.h"

#include <QFile>

namespace {

// The category list a new station starts from.
class DefaultStationCategoriesTest : public TStationTest {
protected:
    void SetUp() override {
        TStationTest::SetUp();
        List.LoadCategories();
    }

    TClockObjList List;
};

TEST_F(DefaultStationCategoriesTest, LoadsWithoutAnyBoxAndWithTheAdvertBlank) {
    EXPECT_TRUE(Prompt.Boxes.isEmpty()) << Prompt.Errors().join('\n').toStdString();
    EXPECT_GT(List.Count(), 10);
    EXPECT_TRUE(List.IsPredefined(AdvertBlankId));
    EXPECT_FALSE(List.Modified()) << "the file already holds everything the program adds";
}

TEST_F(DefaultStationCategoriesTest, IsWrittenExactlyAsTheProgramWritesIt) {
    const QString path = Station.Path(CategoryListFileName);
    const QByteArray bytes = ReadFileBytes(path);
    ASSERT_FALSE(bytes.isEmpty());
    QFile::remove(path);
    ASSERT_TRUE(List.SaveCategories(true));
    EXPECT_EQ(ReadFileBytes(path), bytes);
}

TEST_F(DefaultStationCategoriesTest, RefersOnlyToTheStationsSongCategoriesAndValues) {
    const TArSongCategories& categories = Options->Categories();
    for (int i = 0; i < List.Count(); ++i) {
        const TBaseClockObject& object = *List.ObjectAt(i);
        const std::string name = object.ObjName().toStdString();
        const TCategoryAttribution* attribution = categories.AttributionById(object.ObjType());
        ASSERT_NE(attribution, nullptr) << name;
        EXPECT_GE(attribution->Items.IndexOf(object.SCat()), 0) << name;
        for (int kind = 0; kind < CharKindCount; ++kind)
            for (int id : object.Properties.Array(kind))
                EXPECT_FALSE(Options->CharValueName(kind, id).isEmpty()) << name << " " << id;
    }
}

} // namespace
