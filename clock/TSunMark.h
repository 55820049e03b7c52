#pragma once

#include <QColor>
#include <QWidget>

// A small mark that tells whether the sun is up at a clock's place: a sun
// with rays by day, a crescent by night, in the colour it is given. It only
// shows: it takes neither focus nor the mouse, so clicks reach what lies
// beneath it.
class TSunMark final : public QWidget {
    Q_OBJECT
public:
    explicit TSunMark(QWidget* Parent = nullptr);

    void SetState(bool Up);
    bool IsUp() const { return Up_; }
    // An invalid colour draws in the palette's window text colour.
    void SetColor(const QColor& Color);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* Event) override;
    void changeEvent(QEvent* Event) override;

private:
    void ShowState();

    bool Up_ = false;
    QColor Color_;
};
