#pragma once

#include <QMdiArea>

// The frame's client area. While it holds no clock it says, in one centred
// line, how to make one: a first start otherwise shows a blank window.
class TClockArea : public QMdiArea {
    Q_OBJECT
public:
    explicit TClockArea(QWidget* Parent = nullptr);

    static QString EmptyHint();

protected:
    void paintEvent(QPaintEvent* Event) override;
    bool viewportEvent(QEvent* Event) override;
};
