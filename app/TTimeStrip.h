#pragma once

#include "datetime/WorkingShade.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class INowSource;
class QDateEdit;
class QLabel;
class QPushButton;
class QSlider;

// The frame's time slider: a moment other than now for every clock. A slider
// of quarter hours either side of a base instant, a day field to jump to any
// day at the slider's time of day, a read-out of the moment in this PC's time
// and its distance from now, "Now" and "Copy". At now the slider sits in the
// middle and nothing ticks here.
class TTimeStrip : public QWidget {
    Q_OBJECT
public:
    // Pc: this PC's clock and its zone rules. Shades: the shading of Steps
    // quarter hours from an instant (empty: no shading).
    using TShadeSource = std::function<std::vector<TShade>(qint64 FirstUtcMs, int Steps)>;
    TTimeStrip(const INowSource& Pc, TShadeSource Shades, QWidget* Parent = nullptr);

    // The chosen instant (ms since 1970, UTC); nullopt at now.
    std::optional<qint64> Moment() const;
    // Back to now, as "Now" and Home do.
    void ResumeNow();
    // The slider takes the keyboard.
    void FocusSlider();
    // The clocks or their working hours changed: shade the track again.
    void RefreshShading();

Q_SIGNALS:
    // The clocks are to show this instant; nullopt: now.
    void MomentChanged(std::optional<qint64> UtcMs);
    void CopyRequested();

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;
    // Back from a clock's properties dialog: its working hours may be new.
    void changeEvent(QEvent* Event) override;

private:
    void SliderMoved(int Steps);
    void DayPicked(QDate Day);
    void Show(std::optional<qint64> Moment);
    qint64 BaseNow() const;

    const INowSource& Pc_;
    TShadeSource Shades_;
    QSlider* Slider_ = nullptr;
    QWidget* Band_ = nullptr; // the shading under the slider
    QDateEdit* Day_ = nullptr;
    QLabel* ReadOut_ = nullptr;
    QPushButton* Now_ = nullptr;
    QPushButton* Copy_ = nullptr;
    std::optional<qint64> Base_; // the slider's middle; nullopt at now
    std::vector<TShade> ShadeSteps_;
};
