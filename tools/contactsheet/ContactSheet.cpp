// Renders one scene in every style on offer: the frame with three clocks (the
// middle one active) and its tab bar, and the properties dialog beside it.
// Writes one PNG per style into the folder given as the only argument.
#include "app/TDesktopServices.h"
#include "app/TMainForm.h"
#include "app/TPendulorApplication.h"
#include "clock/TMDIChild.h"
#include "datetime/INowSource.h"
#include "dialogs/TForm3.h"
#include "platform/TStyleService.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QLineEdit>
#include <QMdiArea>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: ContactSheet OUTPUT-FOLDER\n");
        return 2;
    }
    QTemporaryDir home; // the frame's settings and the clocks' files go here
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    TPendulorApplication app(argc, argv);
    QFont::insertSubstitutions(QStringLiteral(u"メイリオ"), {QStringLiteral("Noto Sans CJK JP")});
    QFont::insertSubstitutions(QStringLiteral("Meiryo UI"), {QStringLiteral("Noto Sans CJK JP")});
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);

    // The frame's size comes from its settings file.
    const QString folder = home.path() + QStringLiteral("/Quorvane/ContactSheet");
    QDir().mkpath(folder);
    QFile ini(folder + QStringLiteral("/ContactSheet.ini"));
    if (ini.open(QIODevice::WriteOnly))
        ini.write("[POSITION]\r\nWidth=640\r\nHeight=400\r\nLeft=0\r\nTop=0\r\n");
    ini.close();

    TDesktopServices desktop;
    TStyleService& styles = desktop.Styles();
    TMainForm frame(desktop.Frame());
    desktop.MakeDialogs(frame);
    frame.SetCommandLine({});
    frame.show();
    QCoreApplication::processEvents();
    const char16_t* names[] = {u"Tokyo", u"London", u"New York"};
    for (const char16_t* name : names) {
        frame.OpenClockFile(QString());
        frame.ClockWindows().first()->SetClockName(QString::fromUtf16(name));
    }
    // View > WindowTab on, then Window > Vertical Spread, as a user would.
    if (auto* tabs = frame.findChild<QAction*>(QStringLiteral("ShowTabs1")); !tabs->isChecked())
        tabs->trigger();
    frame.findChild<QAction*>(QStringLiteral("VerticalSpread1"))->trigger();
    auto* area = frame.findChild<QMdiArea*>();
    area->setActiveSubWindow(area->subWindowList().value(1));

    // The dialog as a London clock in English (United Kingdom) opens it.
    TForm3& dialog = *Form3;
    TClockEditOpening london;
    london.Data.Name = QStringLiteral("London");
    london.Data.LocaleID = 2057;
    london.Settings = TFormatSettings::Create(2057);
    london.Data.DateFormat.List = london.Settings.ShortDateFormat;
    london.Data.TimeFormat.List = london.Settings.ShortTimeFormat;
    london.ChildDateTime = london.ClockTime = TSystemNow().Now();
    london.NameFont.Font = dialog.font();
    dialog.LoadClock(london);
    dialog.show();
    QCoreApplication::processEvents();

    int index = 0;
    for (const QString& name : styles.StyleNames()) {
        styles.ActivateStyle(name);
        QCoreApplication::processEvents();
        const QPixmap left = frame.grab();
        const QPixmap right = dialog.grab();
        QImage sheet(left.width() + right.width() + 12, std::max(left.height(), right.height()) + 30,
                     QImage::Format_RGB32);
        sheet.fill(Qt::white);
        QPainter p(&sheet);
        QFont caption = p.font();
        caption.setPixelSize(16);
        caption.setBold(true);
        p.setFont(caption);
        p.setPen(Qt::black);
        p.drawText(QRect(6, 0, sheet.width(), 28), Qt::AlignVCenter, name);
        p.drawPixmap(0, 30, left);
        p.drawPixmap(left.width() + 12, 30, right);
        p.end();
        const QString file = QStringLiteral("%1/%2 %3.png").arg(out).arg(index++, 2, 10, QChar(u'0')).arg(name);
        if (!sheet.save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
