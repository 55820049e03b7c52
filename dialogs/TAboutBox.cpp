#include "dialogs/TAboutBox.h"

#include "common/BuildInfo.h"
#include "datetime/INowSource.h"
#include "datetime/ProcessLocale.h"
#include "datetime/UnixTime.h"
#include "dialogs/AboutText.h"
#include "platform/IStyleService.h"
#include "platform/locale/ILocaleDatabase.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QStyle>

#include <cmath>

namespace {

QString DisplayText(QString Text)
{
    Text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (Text.endsWith(QLatin1Char('\n')))
        Text.chop(1); // the last line's break would leave an empty line in the box
    return Text;
}

QColor ColorOfValue(quint32 Value)
{
    return QColor(int(Value & 0xFF), int((Value >> 8) & 0xFF), int((Value >> 16) & 0xFF));
}

QPixmap ApplicationIcon(const QStyle& Style)
{
    QIcon Icon = QApplication::windowIcon();
    if (Icon.isNull()) // no icon installed: the system's information sign stands in
        Icon = Style.standardIcon(QStyle::SP_MessageBoxInformation);
    const int Size = Style.pixelMetric(QStyle::PM_MessageBoxIconSize);
    return Icon.pixmap(Size, Size);
}

} // namespace

TAboutFacts CurrentAboutFacts(TDateTime StartTime, LCID DefaultLocaleID, const INowSource& Now)
{
    TAboutFacts Facts;
    Facts.FileVersion = GetFileVersionText(BuildVersion());
    Facts.ExecutablePath = QCoreApplication::applicationFilePath();
    if (const QScreen* Screen = QGuiApplication::primaryScreen()) {
        const qreal Ratio = Screen->devicePixelRatio();
        Facts.ScreenSize = (QSizeF(Screen->geometry().size()) * Ratio).toSize();
        // The DPI the desktop asks for (Xft.dpi on X11), before Qt's scaling.
        Facts.Dpi = int(std::lround(Screen->logicalDotsPerInch() * Ratio));
    }
    Facts.LocaleName = ProcessLocale::Database().GetUserDefaultLocaleName();
    Facts.LocaleId = DefaultLocaleID;
    // One reading gives the local time and the offset in force at it: an
    // offset looked up from the local time alone is one of two in the hour
    // that repeats when summer time ends.
    const TNowReading Reading = Now.Read();
    const TDateTime Moment = UnixTime::ToDateTime(Reading.UtcMs + Reading.LocalOffsetSeconds * 1000LL);
    Facts.ElapsedText = GetElapsedText(StartTime, Moment, ProcessLocale::SystemSettings());
    Facts.Arguments = QCoreApplication::arguments().mid(1);
    Facts.UkraineText = GetUkraineTimeText(Moment, Reading.LocalOffsetSeconds,
                                           ProcessLocale::CachedFormatSettings(1058));
    return Facts;
}

TAboutBox::TAboutBox(const QString& Text, TAboutServices Services, QWidget* Parent)
    : QMessageBox(QMessageBox::Information, AppName, DisplayText(Text), QMessageBox::Ok, Parent)
    , Services1(std::move(Services))
{
    // A tool window without caption buttons; the message box adds them, so
    // the flags are set after it is made.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setTextFormat(Qt::PlainText);
    setIconPixmap(ApplicationIcon(*style()));
    if (QAbstractButton* Ok = button(QMessageBox::Ok)) {
        Ok->setText(QStringLiteral("OK"));
        Ok->setCursor(Qt::PointingHandCursor);
    }
    HasGradient1 = Services1.Styles && Services1.Styles->ActiveStyleName() == QLatin1String("Windows");
    IconLabel1 = findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label"));
    if (IconLabel1) {
        IconLabel1->setCursor(Qt::PointingHandCursor);
        IconLabel1->setToolTip(DownloadPageUrl());
        IconLabel1->installEventFilter(this);
    }
}

void TAboutBox::showEvent(QShowEvent* Event)
{
    QMessageBox::showEvent(Event);
    if (const QScreen* Screen = QGuiApplication::primaryScreen()) {
        QRect Frame = frameGeometry();
        Frame.moveCenter(Screen->availableGeometry().center());
        move(Frame.topLeft());
    }
}

void TAboutBox::paintEvent(QPaintEvent* Event)
{
    if (HasGradient1) {
        // A repaint of the whole box draws a new colour; a part repainted for
        // one child (the text behind a label) keeps the colour around it.
        if (QRegion(rect()).subtracted(Event->region()).isEmpty() || !ColorDrawn1) {
            LastColor1 = Services1.RandomColor ? Services1.RandomColor() : QRandomGenerator::global()->bounded(0xFFFFFFu);
            ColorDrawn1 = true;
        }
        AboutFormPaint();
    }
    QMessageBox::paintEvent(Event);
}

void TAboutBox::AboutFormPaint()
{
    const QRect Area = rect();
    const bool LeftToRight = (LastColor1 % 2) == 1;
    QLinearGradient Gradient(Area.topLeft(), LeftToRight ? Area.topRight() : Area.bottomLeft());
    Gradient.setColorAt(0, Qt::white);
    Gradient.setColorAt(1, ColorOfValue(LastColor1));
    QPainter Painter(this);
    Painter.fillRect(Area, Gradient);
}

bool TAboutBox::eventFilter(QObject* Watched, QEvent* Event)
{
    if (Watched == IconLabel1 && Event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(Event)->button() == Qt::LeftButton) {
        AboutIconClick();
        return true;
    }
    return QMessageBox::eventFilter(Watched, Event);
}

void TAboutBox::AboutIconClick()
{
    if (Services1.OpenDownloadPage)
        Services1.OpenDownloadPage();
}
