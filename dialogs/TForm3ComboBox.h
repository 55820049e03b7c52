#pragma once

#include <QComboBox>

#include <memory>

class QStyle;

// A pick-only list of the properties dialog that drops down below itself with
// a fixed number of visible rows (maxVisibleItems), whatever the active style
// prefers, and whose drop-down is wide enough for its longest row.
class TForm3ComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit TForm3ComboBox(int VisibleRows, QWidget* Parent = nullptr);
    ~TForm3ComboBox() override;

    void showPopup() override;

private:
    std::unique_ptr<QStyle> DropDownStyle;
};
