#include "shell/ClockEdit.h"

#include "common/Trimmed.h"
#include "platform/TStyleService.h"

#include <cstdint>
#include <cstdlib>

namespace {

QString TrimmedFormat(const QString& Text) { return Trimmed(Text).toString(); }

} // namespace

TDateTime BoxOffset(int Hours, int Minutes)
{
    const TDateTime Offset = double(std::abs(Hours) * 60 + Minutes) / 1440.0;
    return Hours < 0 ? -Offset : Offset;
}

TLineFormat TakeFormat(TLineFormat Clock, bool UseList, const QString& Selected, bool UseEdit, const QString& Edit,
                       const QStringList& Lines)
{
    Clock.UseList = UseList;
    if (!Selected.isEmpty())
        Clock.List = Selected;
    else if (TrimmedFormat(Clock.List).isEmpty())
        Clock.List = Lines.value(0);
    Clock.UseEdit = UseEdit;
    Clock.Edit = TrimmedFormat(Edit);
    Clock.InEffect = UseList ? Clock.List : Clock.Edit;
    if (TrimmedFormat(Clock.InEffect).isEmpty())
        Clock.InEffect = Lines.value(0);
    return Clock;
}

TLineStyle ChosenLineStyle(TLineStyle Style, const TFontChoice& Choice, const QColor& WindowText,
                           const std::optional<QColor>& KeepWhenShownAs)
{
    const std::uint32_t Color = TStyleService::ToColorValue(Choice.Color);
    if (Color != TStyleService::ToColorValue(WindowText))
        Style.seFont = false; // the chosen colour must show under any style
    if (!KeepWhenShownAs || Color != TStyleService::ToColorValue(*KeepWhenShownAs))
        Style.FontColor = Color;
    const QFont& Font = Choice.Font;
    Style.FontName = Font.family();
    Style.FontSize = Font.pointSize() > 0 ? Font.pointSize() : qRound(Font.pointSizeF());
    Style.Bold = Font.bold();
    Style.Italic = Font.italic();
    Style.Underline = Font.underline();
    Style.StrikeOut = Font.strikeOut();
    return Style;
}
