#include "ui/uProgressForm.h"

#include "ui/uBusyAnimation.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

TProgressForm::TProgressForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Postęp"));
    setModal(true);
    setMinimumWidth(420);

    lblOperation = new QLabel(QStringLiteral("?"), this);
    QFont bold = lblOperation->font();
    bold.setBold(true);
    lblOperation->setFont(bold);
    lblInfo = new QLabel(this);
    lblInfo->setWordWrap(true);
    pgrProgress = new QProgressBar(this);
    pgrProgress->setRange(0, 100);
    pgrProgress->setValue(0);
    Animate = new TBusyAnimation(this);
    btnCancel = new QPushButton(QStringLiteral("Przerwij"), this);
    lblOperation->setObjectName(QStringLiteral("lblOperation"));
    lblInfo->setObjectName(QStringLiteral("lblInfo"));
    pgrProgress->setObjectName(QStringLiteral("pgrProgress"));
    Animate->setObjectName(QStringLiteral("Animate"));
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    connect(btnCancel, &QPushButton::clicked, this, &TProgressForm::reject);

    auto* texts = new QVBoxLayout;
    texts->addWidget(lblOperation);
    texts->addWidget(lblInfo);
    auto* top = new QHBoxLayout;
    top->addWidget(Animate, 0, Qt::AlignTop);
    top->addLayout(texts, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnCancel);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(pgrProgress);
    layout->addLayout(buttons);
}

TProgressForm::~TProgressForm() = default;

void TProgressForm::SetOperation(const QString& text) {
    lblOperation->setText(text);
}

void TProgressForm::SetInfo(const QString& text) {
    lblInfo->setText(text);
}

void TProgressForm::SetMax(int count) {
    pgrProgress->setMaximum(count);
}

void TProgressForm::Advance(int count) {
    pgrProgress->setValue(qMin(pgrProgress->value() + count, pgrProgress->maximum()));
}

void TProgressForm::Execute() {
    FWorkStarted = false;
    exec();
}

void TProgressForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Animate->Start();
    // Queued, so the window is painted before the work takes the thread.
    if (!FWorkStarted) {
        FWorkStarted = true;
        QTimer::singleShot(0, this, &TProgressForm::StartWork);
    }
}

void TProgressForm::StartWork() {
    RunWork();
    Animate->Stop();
    accept();
}

void TProgressForm::reject() {
    CancelAttached();
    Animate->Stop();
    QDialog::reject();
}

TProgressWindowFactory TProgressForm::Factory() {
    return [] { return std::make_unique<TProgressForm>(QApplication::activeWindow()); };
}
