#include "clock/data/DataFileName.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

struct TReplacement {
    char16_t From;
    char16_t To;
};

constexpr TReplacement Replacements[] = {
    {u'\\', u'\uFFE5'}, {u'/', u'\uFF0F'}, {u':', u'\uFF1A'},
    {u'*', u'\uFF0A'},  {u'?', u'\uFF1F'}, {u'"', u'\u201D'},
    {u'<', u'\uFF1C'},  {u'>', u'\uFF1E'}, {u'|', u'\uFF5C'},
};

bool HoldsControlCharacter(QStringView S)
{
    return std::any_of(S.begin(), S.end(), [](QChar C) { return C.unicode() < 0x20; });
}

} // namespace

QString NormalizeFileChar1(QStringView S)
{
    QString Out = S.toString();
    for (const TReplacement& R : Replacements)
        Out.replace(QChar(R.From), QChar(R.To));
    return Out;
}

QString ClockDataFileName(const QString& Folder, const QString& Name)
{
    QString Base = NormalizeFileChar1(Name.isEmpty() ? QStringLiteral("(new)") : Name);
    if (HoldsControlCharacter(Base))
        Base = QStringLiteral("ERRORNAME");
    return QDir(Folder).filePath(Base + QStringLiteral(".dat"));
}

QString OpenedDataFileName(const QString& DataFolder, const QString& FileName)
{
    return QDir(DataFolder).filePath(QFileInfo(FileName).completeBaseName());
}
