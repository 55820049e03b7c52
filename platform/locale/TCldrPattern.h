#pragma once

#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

// A CLDR date or time pattern split into fields and literal runs, and its
// translation into the Windows picture syntax. Literal runs are cleaned on
// parsing: bidi marks go, narrow and plain no-break spaces become blanks.
class TCldrPattern {
public:
    struct TPart {
        QChar Field;     // the pattern letter; null for a literal run
        int Count = 0;   // run length of the field
        QString Literal; // the literal text
    };

    static TCldrPattern Parse(QStringView Pattern);

    const std::vector<TPart>& Parts() const { return Parts_; }

    // A two-letter year becomes the full year (short dates show four digits).
    void WidenTwoLetterYear();

    QString ToWindowsPicture() const;

    // The literal between the first two adjacent fields; empty when they
    // touch, nullopt when the pattern has fewer than two fields.
    std::optional<QString> FirstFieldSeparator() const;
    // The literal between the hour and the minute; nullopt without both.
    std::optional<QString> HourMinuteSeparator() const;
    bool HasTwoLetterHour() const;
    bool HasTwentyFourHourClock() const;
    bool MarkerBeforeHour() const;

    // The cleaning applied to literals, for other texts of the locale too.
    static QString CleanText(QStringView Text);

private:
    void AddLiteral(QStringView Text);

    std::vector<TPart> Parts_;
};
