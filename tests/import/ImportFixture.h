#pragma once

#include "foundation/uTextFile.h"
#include "import/uImportChoices.h"
#include "library/uDBMainBase.h"
#include "library/uLibraryEntities.h"
#include "library/uSongData.h"
#include "settings/uSettings.h"
#include "support/RecordingPrompt.h"
#include "support/TempStation.h"
#include "support/TestFiles.h"
#include "support/TestText.h"

#include <QDir>
#include <QList>
#include <QStringList>
#include <gtest/gtest.h>
#include <string>

// Answers the import's choices from queues and records what it was asked. With the queues
// empty it takes the automatic cut and adds unknown words.
class TScriptedChoices final : public IImportChoices {
public:
    QList<QString> LongTextAnswers;
    QList<TUnknownValueAnswer> UnknownAnswers;

    QList<TLongTextQuestion> LongTextQuestions;
    QStringList UnknownQuestions;

    QString ChooseLongText(const TLongTextQuestion& question) override {
        LongTextQuestions.append(question);
        return LongTextAnswers.isEmpty() ? question.AutoCut : LongTextAnswers.takeFirst();
    }
    TUnknownValueAnswer ChooseUnknownValue(int, const QString&, const QString& question) override {
        UnknownQuestions.append(question);
        return UnknownAnswers.isEmpty() ? TUnknownValueAnswer{} : UnknownAnswers.takeFirst();
    }
};

// A station made from the default one, with its settings and an empty library brought up and
// a recording prompt; everything is released at the end.
class ImportFixture : public ::testing::Test {
protected:
    TTempStation Station;
    TRecordingPrompt Prompt;
    TScriptedChoices Choices;

    void SetUp() override {
        Station.CopyDefaultStation();
        InitOptions();
        InitMainBase();
        ASSERT_TRUE(Options);
        ASSERT_TRUE(MainBase);
        ASSERT_TRUE(Prompt.Boxes.isEmpty());
    }
    void TearDown() override {
        DoneMainBase();
        DoneOptions();
    }

    // A directory of the station, made when missing.
    QString Dir(const QString& name) const {
        const QString path = Station.Path(name);
        QDir().mkpath(path);
        return path;
    }

    // Writes a ".dat" file of the lines (Windows-1250, CR LF) and returns its path.
    static QString WriteDat(const QString& dir, const QString& name, const QStringList& lines) {
        const QString path = QDir(dir).filePath(name);
        QString text;
        for (const QString& line : lines)
            text += line + QStringLiteral("\r\n");
        EXPECT_TRUE(WriteFileBytes(path, EncodeCp1250(text))) << S(path);
        return path;
    }
    // An empty file, standing for an audio file.
    static void Touch(const QString& dir, const QString& name) {
        EXPECT_TRUE(WriteFileBytes(QDir(dir).filePath(name), QByteArray()));
    }
    // A song file with a performer and a title, and the further lines.
    QString WriteSongDat(const QString& name, const QString& performer, const QString& title,
                         const QStringList& more = {}) {
        return WriteDat(
            Dir(QStringLiteral("dat")), name,
            QStringList{QStringLiteral("Wyk=") + performer, QStringLiteral("Tyt=") + title} + more);
    }

    int CharId(int kind, const char* text) const {
        return Options->CharValueId(kind, QString::fromUtf8(text));
    }
};
