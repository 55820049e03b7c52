#include "platform/StyleTable.h"
#include "platform/TStyleService.h"

#include <QApplication>
#include <QtTest>

#include <cmath>
#include <memory>

namespace {

// WCAG 2 relative luminance and contrast ratio.
double Channel(int Value)
{
    const double c = Value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& C)
{
    return 0.2126 * Channel(C.red()) + 0.7152 * Channel(C.green()) + 0.0722 * Channel(C.blue());
}

double Contrast(const QColor& A, const QColor& B)
{
    const double a = Luminance(A), b = Luminance(B);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

} // namespace

// Every style is legible: each text colour reads on the ground it is drawn on.
class TestStyleContrast : public QObject {
    Q_OBJECT

    std::unique_ptr<TStyleService> Styles;

private Q_SLOTS:
    void initTestCase() { Styles = std::make_unique<TStyleService>(); }

    void theFormulaMatchesKnownRatios()
    {
        QCOMPARE(qRound(Contrast(Qt::black, Qt::white) * 100), 2100);
        QCOMPARE(qRound(Contrast(QColor(0x77, 0x77, 0x77), Qt::white) * 100), 448); // the usual grey that fails
        QCOMPARE(qRound(Contrast(QColor(0x76, 0x76, 0x76), Qt::white) * 100), 454);
    }

    void everyTextReadsOnItsGround_data()
    {
        QTest::addColumn<QString>("style");
        const QStringList names = Styles->StyleNames();
        QCOMPARE(names.size(), 67);
        for (const QString& name : names)
            QTest::newRow(qPrintable(name)) << name;
    }
    void everyTextReadsOnItsGround()
    {
        QFETCH(QString, style);
        Styles->ActivateStyle(style);
        const QPalette p = QApplication::palette();
        const auto role = [&p](QPalette::ColorGroup Group, QPalette::ColorRole Role) { return p.color(Group, Role); };
        const auto system = [this](std::uint32_t Index) { return Styles->ColorOf(0xFF000000u | Index); };
        struct TPair {
            const char* What;
            QColor Text;
            QColor Ground;
        };
        const TPair pairs[] = {
            {"text on window", role(QPalette::Active, QPalette::WindowText), role(QPalette::Active, QPalette::Window)},
            {"text on base", role(QPalette::Active, QPalette::Text), role(QPalette::Active, QPalette::Base)},
            {"text on alternate base", role(QPalette::Active, QPalette::Text), role(QPalette::Active, QPalette::AlternateBase)},
            {"text on button", role(QPalette::Active, QPalette::ButtonText), role(QPalette::Active, QPalette::Button)},
            {"text on highlight", role(QPalette::Active, QPalette::HighlightedText), role(QPalette::Active, QPalette::Highlight)},
            {"text on inactive highlight", role(QPalette::Inactive, QPalette::HighlightedText),
             role(QPalette::Inactive, QPalette::Highlight)},
            {"text on tooltip", role(QPalette::Active, QPalette::ToolTipText), role(QPalette::Active, QPalette::ToolTipBase)},
            {"active caption", system(9), system(2)},
            {"inactive caption", system(19), system(3)},
            // A clock's lines that follow the style, on the clock's button-face background.
            {"clock lines", system(8), system(15)},
            // A chosen moment's time line, as the clock draws it.
            {"moment mark", ReadableOn(system(13), system(15)), system(15)},
        };
        for (const TPair& pair : pairs) {
            const double ratio = Contrast(pair.Text, pair.Ground);
            QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1: %2 on %3 is %4:1")
                                                  .arg(QLatin1String(pair.What), pair.Text.name(), pair.Ground.name())
                                                  .arg(ratio, 0, 'f', 2)));
        }
        // The mark must look unlike a line at now.
        QVERIFY2(ReadableOn(system(13), system(15)) != system(8).toRgb(),
                 qPrintable(QStringLiteral("the moment mark is the lines' own colour %1").arg(system(8).name())));
    }
};

QTEST_MAIN(TestStyleContrast)
#include "TestStyleContrast.moc"
