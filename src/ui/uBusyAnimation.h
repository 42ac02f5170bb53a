#pragma once

#include <QTimer>
#include <QWidget>

// A small looping animation: a ring of dots with one lit that goes round, telling the user the
// program is busy even while the bar does not move.
class TBusyAnimation final : public QWidget {
    Q_OBJECT
public:
    explicit TBusyAnimation(QWidget* parent = nullptr);

    void Start();
    void Stop();
    bool IsRunning() const { return FTimer.isActive(); }

    QSize sizeHint() const override { return {32, 32}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer FTimer;
    int FFrame = 0;
};
