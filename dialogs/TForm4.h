#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>

class IStyleService;
class IWindowSystem;
class QCheckBox;
class QListWidget;
class QPushButton;
class QSlider;

// What the style dialog changes outside itself, every member required: the
// constructor refuses a set with one missing. SetOpacity sets the frame's
// opacity (0..255); StyleClicked tells the frame that the user picked Name
// (it then counts as the chosen style, also when activating it failed).
struct TForm4Services {
    IStyleService* Styles = nullptr;
    IWindowSystem* WindowSystem = nullptr;
    std::function<void(int Opacity)> SetOpacity;
    std::function<void(const QString& Name)> StyleClicked;
};

// The style and transparency dialog: a list of the styles on offer that
// applies a style as soon as it is picked, and a check box and slider that
// set the frame's opacity at once. The controls keep their state between
// showings; the caller restores style and opacity on "Cancel".
class TForm4 : public QDialog {
    Q_OBJECT
public:
    static constexpr int RowHeight = 15;
    static constexpr int PanelHeight = 70;

    // Throws std::invalid_argument when a service is missing.
    explicit TForm4(const TForm4Services& Services, QWidget* Parent = nullptr);
    ~TForm4() override;

    // Shows the dialog modally: 1 for "Ok", 2 for "Cancel" or a closed window.
    int ShowModal();

    // The list takes Names, sorted without regard to case.
    void FillStyleList(const QStringList& Names);
    // Selects the row equal to Name in any letter case (none when no row is)
    // and scrolls it to the middle of the list. Picks nothing.
    void SelectStyle(const QString& Name);
    // The list row shown at the top once the dialog is laid out.
    int TopRow() const;

    // Handlers. ListBox4Click throws the activation's error after the name
    // has been noted; the list's signal hands it to the application's error
    // handler and the dialog stays open.
    void ListBox4Click();
    void CheckBoxDensity4Click();
    void TrackBar4Change();

    QListWidget* ListBox4 = nullptr;
    QCheckBox* CheckBoxDensity4 = nullptr;
    QSlider* TrackBar4 = nullptr;
    QPushButton* BtnOk4 = nullptr;
    QPushButton* BtnCancel4 = nullptr;

protected:
    void showEvent(QShowEvent* Event) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    void FormCreate();
    // Outer size (frame included) OuterSize4, centred on the screen.
    void PlaceByOuterSize();
    // ListBox4Click from the list's signals: its error reaches the
    // application's error handler.
    void ListBox4ClickReported();
    void CreateControls();
    void ScrollToPendingTop();
    void ShowPositionTip();

    TForm4Services Services4;
    int PendingTopRow4 = -1;
    QSize OuterSize4;      // work area / 4 by / 2
    bool Placed4 = false;  // placed with the frame's real margins
    int PlaceTries4 = 0;
    int RowAtPress4 = -1;  // the list's current row when the mouse went down
};

// The single instance, made hidden at start-up and reused until exit. Shared
// rather than handed down: it is made after the frame, whose services it
// takes, and the frame's View > "Select Style..." shows it.
extern TForm4* Form4;
