#pragma once

#include "foundation/uPrompt.h"

#include <QList>
#include <QString>

// A prompt that records every box and answers questions from a queue
// (No when the queue is empty). Installed for its lifetime. Option questions are recorded
// among the questions too, and answered from a queue of their own.
class TRecordingPrompt final : public IPrompt {
public:
    struct TBox {
        TBoxKind Kind;
        QString Text;
        bool Question;
    };

    // How an option question was put.
    struct TOptionQuestion {
        QString Title;
        QString Text;
        QString CheckCaption;
        bool CheckedBefore;
    };
    // An answer to an option question, with the state the check box is left in.
    struct TOptionReply {
        TOptionAnswer Answer = TOptionAnswer::oaNo;
        bool Checked = false;
    };

    TRecordingPrompt();
    ~TRecordingPrompt() override;

    void ShowMessage(TBoxKind kind, const QString& text) override;
    bool AskYesNo(TBoxKind kind, const QString& text) override;
    TOptionAnswer AskOption(const QString& title, const QString& text, const QString& checkCaption,
                            bool& checked) override;
    void SetBusyCursor(bool busy) override;
    void ProcessEvents() override { ++EventsProcessed; }

    // Answers for the next questions, in order.
    void QueueAnswers(std::initializer_list<bool> answers);
    // Every answer is this once the queue is empty.
    bool DefaultAnswer = false;
    // Replies for the next option questions, in order.
    void QueueOptionReplies(std::initializer_list<TOptionReply> replies);
    // Every option reply is this once that queue is empty.
    TOptionReply DefaultOptionReply;

    QList<TBox> Boxes;
    QList<bool> Answers;
    QList<TOptionQuestion> OptionQuestions;
    QList<TOptionReply> OptionReplies;
    bool BusyCursor = false;
    int BusyChanges = 0;
    int EventsProcessed = 0;

    // The texts of the boxes of one kind, in order.
    QStringList Texts(TBoxKind kind) const;
    QStringList Errors() const { return Texts(TBoxKind::bkError); }
    QStringList Questions() const { return Texts(TBoxKind::bkQuestion); }
    void Clear();
};
