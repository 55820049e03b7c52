#include "datetime/TCompiledFormat.h"

#include "datetime/FormatWriter.h"
#include "datetime/TFormatRecorder.h"
#include "datetime/TFormatScanner.h"

TCompiledFormat::TCompiledFormat(QStringView Format, const TFormatSettings& Settings)
    : Format_(Format.toString()), Settings_(std::make_shared<const TFormatSettings>(Settings))
{
    // The steps point into Format_, *Settings_ and Pool_, which neither move
    // nor change while this (or a copy) lives.
    constexpr std::size_t StackSteps = 32;
    TFormatOp room[StackSteps];
    TFormatOpList ops(room, StackSteps);
    TFormatRecorder recorder(ops);
    TFormatScanner<TFormatRecorder>(recorder, *Settings_)
        .Scan(Format_.isEmpty() ? QStringView(u"c") : QStringView(Format_), 1);
    // Copied as it is: fromStdU16String would read a leading U+FEFF or U+FFFE
    // as a byte-order mark.
    Pool_ = QString(reinterpret_cast<const QChar*>(recorder.Pool().data()), qsizetype(recorder.Pool().size()));
    recorder.Finish(reinterpret_cast<const char16_t*>(Pool_.constData()));
    Ops_.assign(ops.Data(), ops.Data() + ops.Size());
    MaxLength_ = recorder.MaxLength();
    for (const TFormatOp& op : Ops_) {
        if (op.Kind == TFormatOpKind::Millisecond)
            Changes_.Finest = TChangeUnit::Millisecond;
        else if (op.Kind == TFormatOpKind::Second && Changes_.Finest == TChangeUnit::Minute)
            Changes_.Finest = TChangeUnit::Second;
        else if (op.Kind == TFormatOpKind::SkipIfMidnight && op.Length > 0)
            Changes_.SkipsAtMidnight = true;
    }
}

void TCompiledFormat::Render(QString& Out, TDateTime Moment)
{
    if (!Compiled()) {
        Out.resize(0);
        return;
    }
    Last_.Update(Moment);
    WriteFormatOps(Out, Ops_.data(), Ops_.size(), MaxLength_, Last_);
}

QString TCompiledFormat::Render(TDateTime Moment)
{
    QString out;
    Render(out, Moment);
    return out;
}
