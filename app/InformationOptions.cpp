#include "app/InformationOptions.h"

#include "app/AppConstants.h"
#include "app/MainUnit.h"

namespace {

QString Usage(const QString& Program)
{
    return QStringLiteral(
               "Usage: %1 [FILE.dat ...]\n"
               "A world clock: any number of small clock windows in one frame.\n"
               "\n"
               "Each FILE whose name ends in .dat is opened as a clock, instead of the\n"
               "clocks open at the last close; other files are ignored.\n"
               "\n"
               "Options:\n"
               "  -h, --help     Print this help and exit.\n"
               "  -v, --version  Print the version and exit.\n"
               "\n"
               "Qt's own options (-platform, -style, -display ...) are understood too.\n"
               "The clocks and the settings are kept in\n"
               "$XDG_DATA_HOME/%2/%1/ (by default ~/.local/share/%2/%1/).\n")
        .arg(Program, MakerFolderName);
}

// The build's four-part version, or the product's own when the build has none.
QString Version()
{
    const QString Build = BuildVersion();
    return Build.isEmpty() ? AppVersion : Build;
}

} // namespace

std::optional<TInformationAnswer> AnswerInformationOptions(const QStringList& Arguments)
{
    // The executable's own name, as the settings file and the data folder use it.
    const QString Program = Arguments.isEmpty() ? AppName : FileBaseName(Arguments.first());
    for (qsizetype i = 1; i < Arguments.size(); ++i) {
        const QString& Argument = Arguments[i];
        if (Argument == QLatin1String("--"))
            break;
        if (Argument == QLatin1String("--version") || Argument == QLatin1String("-v"))
            return TInformationAnswer{QStringLiteral("%1 %2\n").arg(Program, Version())};
        if (Argument == QLatin1String("--help") || Argument == QLatin1String("-h") || Argument == QLatin1String("-?"))
            return TInformationAnswer{Usage(Program)};
    }
    return std::nullopt;
}
