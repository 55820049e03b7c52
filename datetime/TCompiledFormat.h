#pragma once

#include "datetime/NextLineChange.h"
#include "datetime/TDateTime.h"
#include "datetime/TDecodedMoment.h"
#include "datetime/TFormatOp.h"
#include "datetime/TFormatSettings.h"

#include <QString>
#include <QStringView>

#include <memory>
#include <vector>

// A format turned into steps once, for rendering it again and again: it
// renders exactly as RenderDateTime(Format, Moment, Settings) does with the
// format and settings it was made from, of which it keeps its own copies
// (shared by its copies, never changed). Rendering remembers the last
// moment's date, so that a clock decodes its day once a day; render one
// object from one thread at a time.
class TCompiledFormat {
public:
    // Compiled from nothing: Compiled() is false and it renders nothing.
    TCompiledFormat() = default;
    TCompiledFormat(QStringView Format, const TFormatSettings& Settings);

    bool Compiled() const noexcept { return Settings_ != nullptr; }
    // Whether this was compiled from Format (by its text).
    bool CompiledFrom(QStringView Format) const noexcept { return Compiled() && Format == Format_; }

    // The finest unit the steps show, and whether they skip the time at
    // midnight: when the rendered text can change.
    TLineChanges Changes() const noexcept { return Changes_; }

    // Into a caller-owned buffer; once the buffer has grown, no allocation.
    void Render(QString& Out, TDateTime Moment);
    QString Render(TDateTime Moment);

private:
    QString Format_;
    QString Pool_; // the literal text of the steps
    std::shared_ptr<const TFormatSettings> Settings_;
    std::vector<TFormatOp> Ops_;
    qsizetype MaxLength_ = 0;
    TLineChanges Changes_;
    TDecodedMoment Last_;
};
