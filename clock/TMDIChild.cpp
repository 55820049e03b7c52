#include "clock/TMDIChild.h"

#include "clock/IClockFrame.h"
#include "clock/TClockTicker.h"
#include "clock/TClockWindowAccessible.h"
#include "clock/TToolWindowStyle.h"
#include "clock/data/ClockDataFile.h"
#include "clock/data/DataFileName.h"
#include "datetime/OffsetText.h"
#include "common/EPendulorError.h"
#include "common/RequireService.h"
#include "datetime/INowSource.h"
#include "datetime/RenderDateTime.h"
#include "shell/ClockEdit.h"
#include "platform/IFontChooser.h"
#include "platform/IStyleService.h"
#include "platform/StyleTable.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QPixmap>
#include <QStyle>
#include <QTimer>

#include <algorithm>
#include <exception>

// Shared by every clock window and the properties dialog (see the header).
TDateTime ChildDateTime = 0;

namespace {

// The services as given, once each is there.
const TClockServices& Complete(const TClockServices& Services)
{
    const char* const Window = "A clock window";
    RequireService(Services.Frame, Window, "a frame");
    RequireService(Services.Now, Window, "a clock to read");
    RequireService(Services.Style, Window, "a style service");
    RequireService(Services.FontChooser, Window, "a font chooser");
    RequireService(Services.Properties, Window, "a properties dialog");
    RequireService(Services.Ticker, Window, "a ticker");
    return Services;
}

QFont LineFont(const TLineStyle& S)
{
    QFont f(S.FontName);
    f.setPointSize(S.FontSize > 0 ? S.FontSize : 1);
    f.setBold(S.Bold);
    f.setItalic(S.Italic);
    f.setUnderline(S.Underline);
    f.setStrikeOut(S.StrikeOut);
    return f;
}

Qt::Alignment LineAlignment(int Alignment)
{
    switch (Alignment) {
    case LineAlignRight: return Qt::AlignRight | Qt::AlignVCenter;
    case LineAlignCenter: return Qt::AlignHCenter | Qt::AlignVCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

} // namespace

TMDIChild::TMDIChild(const TClockServices& Services, QWidget* Parent)
    : QMdiSubWindow(Parent)
    , Services2(Complete(Services))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setStyle(TToolWindowStyle::Shared());
    TClockWindowAccessible::Install();
    FontDialog1 = FontDialog2 = FontDialog3 = Services2.FontChooser;

    // Initial line styles: name bold 26 left, date and time 20 centred.
    ClockData_.NameLine.FontSize = 26;
    ClockData_.NameLine.Bold = true;
    ClockData_.NameLine.Alignment = LineAlignLeft;

    CreateLabels();
    // The context menu is made when it is first needed (ContextMenu).

    // No caption yet: until the clock is made or loaded (which set it), every
    // step of adding and showing the window would lay the caption out anew.
    SetClockName(ClockInitialCaption);
    SetCloseBox(false);
    resize(sizeHint()); // corrected once the frame's margins are known (showEvent)

    Ticker2 = Services2.Ticker;
    Ticker2->Add(this);
    Timer1 = Ticker2;

    // Connected before the MDI area connects its own slots, so these run
    // around its deactivation of the other windows.
    connect(this, &QMdiSubWindow::aboutToActivate, this, &TMDIChild::HoldIdleCaptions);
    connect(this, &QMdiSubWindow::windowStateChanged, this, &TMDIChild::ReleaseIdleCaptions);
}

TMDIChild::~TMDIChild()
{
    // The sub-window's own destructor still changes the window state.
    disconnect(this, &QMdiSubWindow::aboutToActivate, this, &TMDIChild::HoldIdleCaptions);
    disconnect(this, &QMdiSubWindow::windowStateChanged, this, &TMDIChild::ReleaseIdleCaptions);
    ReleaseIdleCaptions();
    if (Ticker2)
        Ticker2->Remove(this);
}

void TMDIChild::HoldIdleCaptions()
{
    ReleaseIdleCaptions();
    QMdiArea* area = mdiArea();
    if (!area)
        return;
    const QList<QMdiSubWindow*> windows = area->subWindowList();
    for (QMdiSubWindow* w : windows) {
        // A maximised window is restored by the area: it must repaint.
        if (w->isMaximized())
            return;
    }
    for (QMdiSubWindow* w : windows) {
        if (w != this && w->isVisible() && !w->isMinimized() && !(w->windowState() & Qt::WindowActive)
            && w->updatesEnabled()) {
            // The attribute alone: setUpdatesEnabled(true) would repaint the
            // whole window when released.
            w->setAttribute(Qt::WA_UpdatesDisabled, true);
            HeldCaptions2.append(w);
        }
    }
}

void TMDIChild::ReleaseIdleCaptions()
{
    for (const QPointer<QMdiSubWindow>& w : std::as_const(HeldCaptions2)) {
        if (w)
            w->setAttribute(Qt::WA_UpdatesDisabled, false);
    }
    HeldCaptions2.clear();
}

void TMDIChild::CreateLabels()
{
    Client2 = new QWidget;
    Client2->setBackgroundRole(QPalette::Button); // button face
    Client2->setAutoFillBackground(true);
    Client2->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    Client2->installEventFilter(this);

    auto makeLabel = [this](TLine Line) {
        auto* label = new QLabel(Client2);
        label->setTextFormat(Qt::PlainText); // "&" shows as itself
        label->setWordWrap(false);
        label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
        label->setMinimumSize(0, 0);
        // Filled with the window's own colour, so that it looks the same, but
        // opaque: a changed line is then painted on its own, not composed
        // with every clock window around it, when all clocks tick at once.
        label->setBackgroundRole(QPalette::Button);
        // A button-face ground alone would make the text ButtonText: the
        // line's colour (its own, the style's or a moment's) is WindowText.
        label->setForegroundRole(QPalette::WindowText);
        label->setAutoFillBackground(true);
        label->installEventFilter(this);
        label->setObjectName(Line == LineName ? QStringLiteral("LabelName2")
                             : Line == LineDate ? QStringLiteral("LabelDate2")
                                                : QStringLiteral("LabelTime2"));
        return label;
    };
    LabelName2 = makeLabel(LineName);
    LabelDate2 = makeLabel(LineDate);
    LabelTime2 = makeLabel(LineTime);
    setWidget(Client2);
    for (TLine line : {LineName, LineDate, LineTime})
        ApplyLine(line);
}

QMenu* TMDIChild::CreateLineMenu(TLine Line, const QString& Caption, QAction*& Font, QAction*& Left,
                                 QAction*& Center, QAction*& Right)
{
    QMenu* menu = PopupMenu2->addMenu(Caption);
    Font = menu->addAction(QStringLiteral("&Font..."));
    connect(Font, &QAction::triggered, this, [this, Line] { LineFontClick(Line); });
    menu->addSeparator();
    auto* group = new QActionGroup(menu);
    group->setExclusive(true);
    auto addRadio = [&](const QString& Text, int Alignment) {
        QAction* a = menu->addAction(Text);
        a->setCheckable(true);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, Line, Alignment] { SetLineAlignment(Line, Alignment); });
        return a;
    };
    Left = addRadio(QStringLiteral(" &Left"), LineAlignLeft);
    Center = addRadio(QStringLiteral(" &Center"), LineAlignCenter);
    Right = addRadio(QStringLiteral(" &Right"), LineAlignRight);
    connect(menu, &QMenu::aboutToShow, this, [this, Line] { LineMenuClick(Line); });
    return menu;
}

void TMDIChild::CreateMenu()
{
    PopupMenu2 = new QMenu(this);
    MenuBar2 = PopupMenu2->addAction(QStringLiteral("&MenuBar"));
    MenuBar2->setCheckable(true);
    MenuBar2->setChecked(MenuBarChecked2);
    connect(MenuBar2, &QAction::triggered, this, &TMDIChild::MenuBar2Click);
    PopupMenu2->addSeparator();
    EditItem2 = PopupMenu2->addAction(style()->standardIcon(QStyle::SP_FileDialogDetailedView),
                                      QStringLiteral("&Edit..."));
    connect(EditItem2, &QAction::triggered, this, &TMDIChild::EditItem2Click);
    PopupMenu2->addSeparator();
    Name2 = CreateLineMenu(LineName, QStringLiteral(" &Name"), NameFont2, NameLeft2, NameCenter2, NameRight2);
    Date2 = CreateLineMenu(LineDate, QStringLiteral(" &Date"), DateFont2, DateLeft2, DateCenter2, DateRight2);
    Time2 = CreateLineMenu(LineTime, QStringLiteral(" &Time"), TimeFont2, TimeLeft2, TimeCenter2, TimeRight2);
    PopupMenu2->addSeparator();
    Close2 = PopupMenu2->addAction(style()->standardIcon(QStyle::SP_TitleBarCloseButton), QStringLiteral("&Close"));
    connect(Close2, &QAction::triggered, this, &TMDIChild::Close2Click);
}

QMenu* TMDIChild::ContextMenu()
{
    if (!PopupMenu2)
        CreateMenu();
    return PopupMenu2;
}

IClockFrame& TMDIChild::Frame() const
{
    return *Services2.Frame;
}

IClockEditor& TMDIChild::PropertiesDialog() const
{
    return *Services2.Properties;
}

QLabel* TMDIChild::Label(TLine Line) const
{
    switch (Line) {
    case LineName: return LabelName2;
    case LineDate: return LabelDate2;
    default: return LabelTime2;
    }
}

const TLineStyle& TMDIChild::LineStyle(TLine Line) const
{
    return Line == LineName ? ClockData_.NameLine : Line == LineDate ? ClockData_.DateLine : ClockData_.TimeLine;
}

TLineStyle& TMDIChild::LineData(TLine Line)
{
    return Line == LineName ? ClockData_.NameLine : Line == LineDate ? ClockData_.DateLine : ClockData_.TimeLine;
}

void TMDIChild::SetLineStyle(TLine Line, const TLineStyle& Style)
{
    LineData(Line) = Style;
    ApplyLine(Line);
}

void TMDIChild::ApplyLine(TLine Line)
{
    QLabel* label = Label(Line);
    label->setFont(LineFont(LineData(Line)));
    label->setAlignment(LineAlignment(LineData(Line).Alignment));
    ApplyLineColor(Line);
}

QColor TMDIChild::ColorOf(std::uint32_t Color) const
{
    return Services2.Style->ColorOf(Color);
}

void TMDIChild::ApplyLineColor(TLine Line)
{
    const TLineStyle& s = LineData(Line);
    // A chosen moment tints the time line, so that no one takes it for now.
    const bool mark = Line == LineTime && MomentMark2;
    const QColor own = mark ? ReadableOn(ColorOf(clHighlight), ColorOf(clBtnFace)) : ColorOf(s.FontColor);
    Services2.Style->SetFontElement(*Label(Line), s.seFont && !mark, own);
}

void TMDIChild::SetMomentMark(bool Shown)
{
    if (MomentMark2 == Shown)
        return;
    MomentMark2 = Shown;
    ApplyLineColor(LineTime);
}

void TMDIChild::SetClockName(const QString& Name)
{
    SetLineText(LabelName2, Name);
    const bool renamed = ClockData_.Name != Name;
    ClockData_.Name = Name;
    if (renamed)
        FindPlace();
}

void TMDIChild::SetOffset(TDateTime Offset)
{
    ClockData_.OffsetTime = Offset;
    setWindowTitle(OffsetText(Offset));
    Tag2 = OffsetTag(Offset);
    TickSoon();
}

void TMDIChild::SetLocale(LCID Locale)
{
    ClockData_.LocaleID = Locale;
    MyFS2 = TFormatSettings::Create(Locale);
    CompiledDate = CompiledTime = TCompiledFormat();
    TickSoon();
}

const INowSource& TMDIChild::NowSource() const
{
    return *Services2.Now;
}

TDateTime TMDIChild::Now() const
{
    return NowSource().Now();
}

void TMDIChild::SetClockData(const TClockData& D)
{
    ClockData_ = D;
    SetClockName(D.Name);
    SetOffset(D.OffsetTime);
    SetLocale(D.LocaleID);
    SetTimeZone(D.TimeZone);
    for (TLine line : {LineName, LineDate, LineTime})
        ApplyLine(line);
}

void TMDIChild::SetLineFormat(TLine Line, const TLineFormat& Format)
{
    if (Line == LineDate)
        ClockData_.DateFormat = Format;
    else if (Line == LineTime)
        ClockData_.TimeFormat = Format;
    TickSoon();
}

void TMDIChild::InitNewClock()
{
    ChildDateTime = Now();
    DataFileName2 = ClockDataFileName(Frame().ClockDataFolder(), NewClockName);
    setWindowTitle(NewClockName);
    Tag2 = 0;
    SetClockName(NewClockName);
    ClockData_.NameLine.FontSize = 26;
    SetLocale(Frame().DefaultClockLocale());
    ClockData_.OffsetTime = 0;
    SetTimeZone(QString());

    SetLineText(LabelDate2, RenderDateTime(MyFS2.ShortDateFormat, ChildDateTime, MyFS2));
    ClockData_.DateLine.FontSize = 20;
    ClockData_.DateFormat = {true, MyFS2.ShortDateFormat, false, QString(), MyFS2.ShortDateFormat};

    SetLineText(LabelTime2, RenderDateTime(MyFS2.ShortTimeFormat, ChildDateTime, MyFS2));
    ClockData_.TimeLine.FontSize = 20;
    ClockData_.TimeFormat = {true, MyFS2.ShortTimeFormat, false, QString(), MyFS2.ShortTimeFormat};

    for (TLine line : {LineName, LineDate, LineTime})
        ApplyLine(line);
}

void TMDIChild::LoadClockFile(const QString& FileName)
{
    DataFileName2 = FileName;
    // Held also when unreadable: another clock must not write over it.
    Frame().DataFileClaims().Loaded(ClaimId(), FileName);
    TClockData data = ClockData_;
    try {
        ReadClockDataFile(FileName, Frame().DefaultClockLocale(), data);
    } catch (...) {
        LoadFailed2 = true;
        throw;
    }
    // Only its folder counts: the writer saves into the data folder.
    DataFileName2 = ClockDataFileName(Frame().ClockDataFolder(), QFileInfo(FileName).completeBaseName());
    SetClockData(data);
}

void TMDIChild::SetCloseBox(bool Show)
{
    Qt::WindowFlags flags = Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (Show)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (flags == windowFlags())
        return;
    const bool visible = isVisible();
    setWindowFlags(flags);
    if (Show) {
        // The window menu draws the window's icon: keep that place empty.
        QPixmap blank(16, 16);
        blank.fill(Qt::transparent);
        setWindowIcon(QIcon(blank));
    }
    if (visible)
        show();
}

bool TMDIChild::HasCloseBox() const { return windowFlags().testFlag(Qt::WindowCloseButtonHint); }

void TMDIChild::SetLineText(QLabel* Label, const QString& Text)
{
    if (Label->text() == Text)
        return;
    // A copy of its own, so that the tick's buffer is never shared with the
    // label and keeps its capacity.
    Label->setText(QString(Text.constData(), Text.size()));
    UpdateAccessibleName();
}

void TMDIChild::UpdateAccessibleName()
{
    // Screen readers name the window by what it shows: "Tokyo, 12/11/2026,
    // 1:45 PM". Empty lines are left out.
    QString Name;
    for (const QLabel* Line : {LabelName2, LabelDate2, LabelTime2}) {
        if (Line->text().isEmpty())
            continue;
        if (!Name.isEmpty())
            Name += QStringLiteral(", ");
        Name += Line->text();
    }
    setAccessibleName(Name);
}

void TMDIChild::Timer1Timer()
{
    const TClockReading now = ReadShown();
    ChildDateTime = now.Local;
    const QString& dateFormat = ClockData_.DateFormat.InEffect;
    const QString& timeFormat = ClockData_.TimeFormat.InEffect;
    if (!CompiledDate.CompiledFrom(dateFormat))
        CompiledDate = TCompiledFormat(dateFormat, MyFS2);
    if (!CompiledTime.CompiledFrom(timeFormat))
        CompiledTime = TCompiledFormat(timeFormat, MyFS2);
    CompiledDate.Render(DateBuffer2, ChildDateTime);
    CompiledTime.Render(TimeBuffer2, ChildDateTime);
    SetLineText(LabelDate2, DateBuffer2);
    SetLineText(LabelTime2, TimeBuffer2);
    ShownOffsetMs2 = now.Offset.OffsetMs;
    ShowSun(now.UtcMs);
    NextChange2 = NextLineChange(now.UtcMs, now.Offset, now.PcOffsetUntilMs, CompiledDate.Changes(),
                                 CompiledTime.Changes());
}

TClockReading TMDIChild::ReadShown()
{
    const std::optional<TNowReading>& moment = Ticker2 ? Ticker2->Moment() : std::nullopt;
    if (!moment) {
        SetMomentMark(false);
        return ReadClock(NowSource().Read());
    }
    // A zone clock's offset, caption and tag stay as at now: a new clock
    // takes them from now before it shows the moment.
    if (Zone_.IsKnown() && !ZoneShown_)
        ReadClock(NowSource().Read());
    SetMomentMark(true);
    return ClockTimeAt(*moment, Zone_, ClockData_.OffsetTime);
}

void TMDIChild::TickSoon()
{
    if (Ticker2)
        Ticker2->MarkDue(this);
}

void TMDIChild::FormResize()
{
    const int width = Client2->width();
    const int height = Client2->height();
    const int h = height / 3;
    LabelName2->setGeometry(0, 0, width, h);
    LabelDate2->setGeometry(0, h, width, height - 2 * h);
    LabelTime2->setGeometry(0, height - h, width, h);
    PlaceSunMark();
}

TDataFileClaims::TClockId TMDIChild::ClaimId() const
{
    if (ClaimId_ == 0)
        ClaimId_ = Frame().DataFileClaims().NewClock();
    return ClaimId_;
}

QString TMDIChild::DataFilePath() const
{
    QString folder;
    if (DataFileName2.contains(u'/'))
        folder = QFileInfo(DataFileName2).path();
    if (folder.isEmpty())
        folder = Frame().SettingsFolder();
    if (folder.isEmpty())
        folder = Frame().ClockDataFolder();
    if (folder.isEmpty())
        return QString();
    return Frame().DataFileClaims().FileFor(ClaimId(), ClockDataFileName(folder, ClockName()));
}

void TMDIChild::FormCloseQuery()
{
    if (!Frame().ClocksSaveFiles() || LoadFailed2)
        return;
    const QString path = DataFilePath();
    if (path.isEmpty())
        throw EPendulorError(QStringLiteral("The clock \"%1\" cannot be saved: there is no data folder.")
                                 .arg(ClockName()));
    ClockTime(); // a zone clock stores its offset from this PC as of now
    WriteClockDataFile(path, ClockData_, windowTitle(), Now());
    DataFileName2 = path;
    Frame().DataFileClaims().Written(ClaimId(), path);
}

void TMDIChild::MenuBar2Click()
{
    const bool show = !Frame().IsMenuBarShown();
    Frame().SetMenuBarShown(show);
    MenuBarChecked2 = show;
    if (MenuBar2)
        MenuBar2->setChecked(show);
}

void TMDIChild::Close2Click() { close(); }

TFontChoice TMDIChild::LineFontChoice(TLine Line) const
{
    return {LineFont(LineStyle(Line)), ColorOf(LineStyle(Line).FontColor)};
}

void TMDIChild::LineFontClick(TLine Line)
{
    const QColor s = ColorOf(clWindowText);
    IFontChooser* dialog = Line == LineName ? FontDialog1 : Line == LineDate ? FontDialog2 : FontDialog3;
    const std::optional<TFontChoice> choice = dialog->Choose(LineFontChoice(Line), this);
    if (!choice)
        return;
    SetLineStyle(Line, ChosenLineStyle(LineStyle(Line), *choice, s));
    repaint();
    QCoreApplication::processEvents();
}

void TMDIChild::LineMenuClick(TLine Line)
{
    ContextMenu();
    QAction* left = Line == LineName ? NameLeft2 : Line == LineDate ? DateLeft2 : TimeLeft2;
    QAction* center = Line == LineName ? NameCenter2 : Line == LineDate ? DateCenter2 : TimeCenter2;
    QAction* right = Line == LineName ? NameRight2 : Line == LineDate ? DateRight2 : TimeRight2;
    switch (LineData(Line).Alignment) {
    case LineAlignRight: right->setChecked(true); break;
    case LineAlignCenter: center->setChecked(true); break;
    case LineAlignLeft: left->setChecked(true); break;
    default: // no item matches
        left->actionGroup()->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
        for (QAction* a : {left, center, right})
            a->setChecked(false);
        left->actionGroup()->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
        break;
    }
}

void TMDIChild::SetLineAlignment(TLine Line, int Alignment)
{
    LineData(Line).Alignment = Alignment;
    Label(Line)->setAlignment(LineAlignment(Alignment));
}

void TMDIChild::closeEvent(QCloseEvent* Event)
{
    try {
        FormCloseQuery();
    } catch (...) {
        // The window stays open with its state; the error is reported by the
        // application's handler. Throwing through Qt's close handling would
        // leave the window unable to close ever again.
        Event->ignore();
        Frame().ReportClockError(std::current_exception());
        return;
    }
    QMdiSubWindow::closeEvent(Event);
    if (Event->isAccepted())
        Frame().DataFileClaims().Closed(ClaimId());
}

QSize TMDIChild::LinesSize() const
{
    // Each line gets a third of the height; a little room to spare on the
    // sides, as the time's width changes with its digits.
    int width = 0;
    int height = 0;
    for (const QLabel* label : {LabelName2, LabelDate2, LabelTime2}) {
        const QFontMetrics metrics(label->font());
        width = std::max(width, metrics.horizontalAdvance(label->text()) + 2 * metrics.averageCharWidth());
        height = std::max(height, metrics.height());
    }
    return {width, 3 * height};
}

void TMDIChild::GrowToLines()
{
    const QSize wanted = size().expandedTo(sizeHint());
    if (wanted != size())
        resize(wanted);
}

QSize TMDIChild::sizeHint() const
{
    const QMargins m = contentsMargins();
    return InitialClientSize.expandedTo(LinesSize()) + QSize(m.left() + m.right(), m.top() + m.bottom());
}

void TMDIChild::showEvent(QShowEvent* Event)
{
    QMdiSubWindow::showEvent(Event);
    if (!Sized2) {
        // The caption and frame sizes are settled only now.
        Sized2 = true;
        resize(sizeHint());
    }
}

void TMDIChild::contextMenuEvent(QContextMenuEvent* Event)
{
    if (Client2->geometry().contains(Event->pos())) {
        ContextMenu()->popup(Event->globalPos());
        Event->accept();
        return;
    }
    if (!HasCloseBox()) {
        // Without title-bar icons a clock has no window menu, and the click
        // is not the frame's either.
        Event->accept();
        return;
    }
    QMdiSubWindow::contextMenuEvent(Event);
}

bool TMDIChild::eventFilter(QObject* Watched, QEvent* Event)
{
    if (Watched == Client2 && Event->type() == QEvent::Resize)
        FormResize();
    else if (Watched == Client2 && Event->type() == QEvent::LayoutRequest)
        // A line's new text asks for a new layout; the lines are placed by
        // FormResize alone and never size the window, so the sub-window's
        // costly re-check of its size constraints is not needed.
        return true;
    else if (Event->type() == QEvent::MouseButtonDblClick
             && (Watched == LabelName2 || Watched == LabelDate2 || Watched == LabelTime2)) {
        EditItem2Click();
        return true;
    }
    return QMdiSubWindow::eventFilter(Watched, Event);
}

void TMDIChild::changeEvent(QEvent* Event)
{
    // A line that keeps its own colour may hold a system colour, whose value
    // depends on the style.
    if (Event->type() == QEvent::PaletteChange) {
        for (TLine line : {LineName, LineDate, LineTime}) {
            if (!LineData(line).seFont)
                ApplyLineColor(line);
        }
    }
    QMdiSubWindow::changeEvent(Event);
}
