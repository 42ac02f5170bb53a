#pragma once

#include "foundation/uPrompt.h"

#include <QList>
#include <QString>

// A prompt that records every box and answers questions from a queue
// (No when the queue is empty). Installed for its lifetime.
class TRecordingPrompt final : public IPrompt {
public:
    struct TBox {
        TBoxKind Kind;
        QString Text;
        bool Question;
    };

    TRecordingPrompt();
    ~TRecordingPrompt() override;

    void ShowMessage(TBoxKind kind, const QString& text) override;
    bool AskYesNo(TBoxKind kind, const QString& text) override;
    void SetBusyCursor(bool busy) override;
    void ProcessEvents() override { ++EventsProcessed; }

    // Answers for the next questions, in order.
    void QueueAnswers(std::initializer_list<bool> answers);
    // Every answer is this once the queue is empty.
    bool DefaultAnswer = false;

    QList<TBox> Boxes;
    QList<bool> Answers;
    bool BusyCursor = false;
    int BusyChanges = 0;
    int EventsProcessed = 0;

    // The texts of the boxes of one kind, in order.
    QStringList Texts(TBoxKind kind) const;
    QStringList Errors() const { return Texts(TBoxKind::bkError); }
    QStringList Questions() const { return Texts(TBoxKind::bkQuestion); }
    void Clear();
};
