// Reads the files a soak left behind as the program reads them: every clock
// data file named on the command line and the settings file, whose clock
// list must name files that exist. Prints each failure; exit 1 on any.
#include "clock/data/ClockDataFile.h"
#include "common/TIniFile.h"
#include "datetime/ProcessLocale.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <exception>

namespace {

QString CheckClock(const QString& Path)
{
    if (!TIniFile(Path, ProcessLocale::Identifier()).SectionExists(u"NAME"))
        return QStringLiteral("no [NAME] section");
    TClockData data;
    ReadClockDataFile(Path, 1033, data);
    return {};
}

QString CheckSettings(const QString& Path)
{
    const TIniFile ini(Path, ProcessLocale::Identifier());
    for (const char16_t* section : {u"PROGRAM", u"POSITION", u"OPTION"})
        if (!ini.SectionExists(section))
            return QStringLiteral("no [%1] section").arg(QStringView(section));
    for (const QString& key : ini.ReadSection(u"DATAFILE")) {
        const QString clock = ini.ReadString(u"DATAFILE", key, QString());
        if (!QFileInfo(clock).isFile())
            return QStringLiteral("%1 names a missing file: %2").arg(key, clock);
    }
    return {};
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    int failures = 0;
    for (const QString& path : app.arguments().mid(1)) {
        QString problem;
        try {
            problem = path.endsWith(QStringLiteral(".ini")) ? CheckSettings(path) : CheckClock(path);
        } catch (const std::exception& E) {
            problem = QString::fromUtf8(E.what());
        }
        if (!problem.isEmpty()) {
            std::printf("%s: %s\n", qPrintable(path), qPrintable(problem));
            ++failures;
        }
    }
    return failures ? 1 : 0;
}
