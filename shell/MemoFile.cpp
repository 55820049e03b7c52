#include "shell/MemoFile.h"

#include "common/AtomicFile.h"
#include "common/JoinPath.h"
#include "common/TTextEncoding.h"
#include "common/Trimmed.h"
#include "datetime/ProcessLocale.h"
#include "datetime/RenderDateTime.h"
#include "shell/TShellOpen.h"

#include <QStringList>

namespace {

const QString Marker = QStringLiteral(".LOG");
const QString LineBreak = QStringLiteral("\r\n");
constexpr qint64 MaxMemoSize = 256LL * 1024 * 1024;

// Lines as a string list reads them: breaks are CR LF, LF or CR, and a
// break at the very end opens no further line.
QStringList SplitLines(const QString& Text)
{
    QString Normal = Text;
    Normal.replace(LineBreak, QStringLiteral("\n"));
    Normal.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (Normal.isEmpty())
        return {};
    if (Normal.endsWith(QLatin1Char('\n')))
        Normal.chop(1);
    return Normal.split(QLatin1Char('\n'));
}


// The line break the text already uses, so that an added line matches it.
QString BreakOf(const QString& Text)
{
    if (Text.contains(LineBreak) || (!Text.contains(QLatin1Char('\n')) && !Text.contains(QLatin1Char('\r'))))
        return LineBreak;
    return Text.contains(QLatin1Char('\n')) ? QStringLiteral("\n") : QStringLiteral("\r");
}

bool EndsWithBreak(const QString& Text)
{
    return Text.endsWith(QLatin1Char('\n')) || Text.endsWith(QLatin1Char('\r'));
}

} // namespace

void PrepareMemo(const QString& Path, const QString& StampLine)
{
    const TFileContent Content = ReadWholeFile(Path, MaxMemoSize);
    // A new memo is UTF-8 without a mark: the same bytes as the ANSI code
    // page for the marker.
    const TTextEncoding Encoding = Content.Exists ? TTextEncoding::Detect(Content.Bytes, ProcessLocale::Identifier()) : TTextEncoding{};
    QString Text = Content.Exists ? Encoding.Decode(Content.Bytes) : QString();

    const QStringList Lines = SplitLines(Text);
    if (Lines.isEmpty())
        Text = Marker + LineBreak;
    else if (Trimmed(Lines.first()) != Marker)
        Text = (QStringList{Marker} + Lines).join(LineBreak) + LineBreak;
    // Otherwise the user's text stays as it is, line breaks and all.

    const QString Break = BreakOf(Text);
    if (!EndsWithBreak(Text))
        Text += Break;
    Text += StampLine + Break;
    WriteFileAtomically(Path, Encoding.Encode(Text));
}

QString MemoStampLine(TDateTime Now, const TFormatSettings& Settings)
{
    return RenderDateTime(u"t ddddd", Now, Settings);
}

void OpenMemo(const TShellOpen& ShellOpen, const QString& DataFolder, TDateTime Now, const TFormatSettings& Settings)
{
    const QString Path = JoinPath(DataFolder, QStringLiteral("MyMemo.txt"));
    PrepareMemo(Path, MemoStampLine(Now, Settings));
    ShellOpen.MyShellExecuteOpen1(QStringLiteral("notepad.exe"), Path);
}
