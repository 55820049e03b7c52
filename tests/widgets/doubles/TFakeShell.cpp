#include "tests/widgets/doubles/TFakeShell.h"

TShellResult TFakeShell::OpenUrl(const QUrl& Url)
{
    Calls.append({QStringLiteral("OpenUrl"), Url.toString(QUrl::FullyEncoded), {}});
    return Result;
}

TShellResult TFakeShell::StartProgram(const QString& Program, const QStringList& Arguments)
{
    Calls.append({QStringLiteral("StartProgram"), Program, Arguments});
    return Result;
}

TShellResult TFakeShell::ShowItemInFolder(const QString& Path)
{
    Calls.append({QStringLiteral("ShowItemInFolder"), Path, {}});
    return Result;
}

TShellResult TFakeShell::OpenDateTimeSettings()
{
    Calls.append({QStringLiteral("OpenDateTimeSettings"), {}, {}});
    return Result;
}

bool TFakeShell::ShowItemProperties(const QString& Path)
{
    Calls.append({QStringLiteral("ShowItemProperties"), Path, {}});
    return PropertiesAvailable;
}
