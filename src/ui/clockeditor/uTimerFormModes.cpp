#include "foundation/uDateTime.h"
#include "foundation/uPrompt.h"
#include "ui/clockeditor/uAvailableObjectsModel.h"
#include "ui/clockeditor/uTimerForm.h"
#include "ui/clockeditor/uTimerMessages.h"
#include "ui/uClockTree.h"
#include "ui/uNamed.h"

#include <QAction>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTimeEdit>
#include <algorithm>
#include <utility>

// What the clock mode and the broadcast mode show differently, and the broadcast mode's begin,
// end and closing.

namespace {

const QString PickerFormat = QStringLiteral("HH:mm:ss");

QTime TimeOfDay(int seconds) {
    return QTime(0, 0).addSecs(std::clamp(seconds, 0, SecsPerDay - 1));
}

int SecondsOf(const QTime& time) {
    return time.msecsSinceStartOfDay() / 1000;
}

// A time the user set stands out from one the rows give.
void ShowSet(QWidget* picker, bool set) {
    QFont font = picker->font();
    font.setBold(set);
    picker->setFont(font);
}

QTimeEdit* NewPicker(QWidget* parent, const QString& hint, const char* name) {
    auto* picker = Named(new QTimeEdit(parent), name);
    picker->setDisplayFormat(PickerFormat);
    picker->setToolTip(hint);
    // The time counts once it is typed whole (Enter, leaving the field) or stepped: a half-typed
    // hour must not be refused on the way.
    picker->setKeyboardTracking(false);
    return picker;
}

} // namespace

QWidget* TTimerForm::CreateTimesPanel() {
    pnlTimes = Named(new QWidget(pnlTop), "pnlTimes");
    auto* layout = new QHBoxLayout(pnlTimes);
    layout->setContentsMargins(0, 0, 0, 0);
    dtBegin = NewPicker(pnlTimes, QStringLiteral("Początek audycji"), "dtBegin");
    dtEnd = NewPicker(pnlTimes, QStringLiteral("Koniec audycji"), "dtEnd");
    dtEnd->setEnabled(false);
    auto* beginLabel = new QLabel(QStringLiteral("Początek:"), pnlTimes);
    auto* endLabel = new QLabel(QStringLiteral("Koniec:"), pnlTimes);
    beginLabel->setBuddy(dtBegin);
    endLabel->setBuddy(dtEnd);
    layout->addWidget(beginLabel);
    layout->addWidget(dtBegin);
    layout->addSpacing(12);
    layout->addWidget(endLabel);
    layout->addWidget(dtEnd);
    connect(dtBegin, &QTimeEdit::timeChanged, this, &TTimerForm::BeginPicked);
    connect(dtEnd, &QTimeEdit::timeChanged, this, &TTimerForm::EndPicked);
    return pnlTimes;
}

QWidget* TTimerForm::CreateBottomPanel() {
    pnlBottom = Named(new QWidget(this), "pnlBottom");
    auto* layout = new QHBoxLayout(pnlBottom);
    layout->setContentsMargins(6, 6, 6, 6);
    btnOK = Named(new QPushButton(acnOK->text(), pnlBottom), "btnOK");
    btnCancel = Named(new QPushButton(QStringLiteral("Anuluj"), pnlBottom), "btnCancel");
    btnCancel->setShortcut(QKeySequence(Qt::Key_Escape));
    layout->addStretch(1);
    layout->addWidget(btnOK);
    layout->addWidget(btnCancel);
    connect(btnOK, &QPushButton::clicked, acnOK, &QAction::trigger);
    connect(btnCancel, &QPushButton::clicked, this, &QWidget::close);
    return pnlBottom;
}

void TTimerForm::ApplyMode() {
    const bool broadcastMode = Mode() == cmBroadcast;
    meFile->menuAction()->setVisible(Mode() == cmClock);
    meFile->setEnabled(Mode() == cmClock);
    for (QAction* action : {acnLoad, acnClockSave, acnClockSaveAs})
        action->setVisible(Mode() == cmClock);
    pnlTimes->setVisible(broadcastMode);
    pnlBottom->setVisible(broadcastMode);
    lblObjects->setText(broadcastMode ? QStringLiteral("Dostępne kategorie")
                                      : QStringLiteral("Dostępne kategorie i audycje"));
    ShowBroadcastTimes();
}

void TTimerForm::ShowBroadcastTimes() {
    if (Mode() != cmBroadcast)
        return;
    const QSignalBlocker beginBlocker(dtBegin);
    const QSignalBlocker endBlocker(dtEnd);
    const std::optional<int> begin = FClock->BroadcastBegin();
    dtBegin->setTime(TimeOfDay(begin.value_or(0)));
    ShowSet(dtBegin, begin.has_value());
    dtBegin->setEnabled(!FReadOnly);
    dtEnd->setEnabled(!FReadOnly && begin.has_value());
    dtEnd->setTime(TimeOfDay(begin ? FClock->BroadcastEnd() : 0));
    ShowSet(dtEnd, FClock->ExactEnd());
}

void TTimerForm::BeginPicked(const QTime& time) {
    // A refused begin leaves the picker on the first row's start.
    FClock->SetBroadcastBegin(SecondsOf(time));
    ShowBroadcastTimes();
    UpdateActions();
}

void TTimerForm::EndPicked(const QTime& time) {
    FClock->SetBroadcastEnd(SecondsOf(time));
    ShowBroadcastTimes();
    UpdateActions();
}

void TTimerForm::AcceptBroadcast() {
    FClosingWithOk = true;
    close();
    FClosingWithOk = false;
}

bool TTimerForm::MayCloseBroadcast() {
    const bool withOk = std::exchange(FClosingWithOk, false);
    if (!withOk && (!FClock->Modified || !AskYesNo(TimerSaveChangesQuestion)))
        return true;
    if (FClock->Name().isEmpty()) {
        ShowError(TimerEnterBroadcastName);
        return false;
    }
    FAccepted = true;
    return true;
}

bool TTimerForm::RunModal() {
    FAccepted = false;
    setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    connect(this, &TTimerForm::Finished, &loop, &QEventLoop::quit);
    show();
    loop.exec();
    return FAccepted;
}
