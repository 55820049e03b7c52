// Entry point: the application object, the frame, the message loop.
#include "app/InformationOptions.h"
#include "app/TDesktopServices.h"
#include "app/TMainForm.h"
#include "app/TPendulorApplication.h"
#include "app/TSessionEnd.h"
#include "app/TTerminationSignals.h"
#include "platform/TIconCachingStyle.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFont>
#include <QFontDatabase>
#include <QWindow>

#include <cstdio>

namespace {

// The faces the stored clocks and the dialogs name, as this desktop has them.
void SubstituteFonts()
{
    const QString cjk = QStringLiteral("Noto Sans CJK JP");
    QFont::insertSubstitutions(QStringLiteral(u"メイリオ"), {cjk});
    QFont::insertSubstitutions(QStringLiteral("Meiryo"), {cjk});
    QFont::insertSubstitutions(QStringLiteral("Meiryo UI"), {cjk});
    const QString sans = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    QFont::insertSubstitutions(QStringLiteral("Segoe UI"), {sans, cjk});
}

// With PENDULOR_TRACE_STARTUP set, prints when the frame first painted.
class TStartupTrace : public QObject {
public:
    TStartupTrace(QWidget& Frame, const QElapsedTimer& Since) : Frame1(Frame), Since1(Since)
    {
        Frame.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        if (Watched == &Frame1 && Event->type() == QEvent::Paint && !Done1) {
            Done1 = true;
            std::printf("startup: first paint %lld ms after main, at %lld ms since the epoch\n",
                        static_cast<long long>(Since1.elapsed()),
                        static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
            std::fflush(stdout);
        }
        return false;
    }

private:
    QWidget& Frame1;
    const QElapsedTimer& Since1;
    bool Done1 = false;
};

} // namespace

int main(int argc, char** argv)
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    {
        QStringList arguments;
        for (int i = 0; i < argc; ++i)
            arguments.append(QString::fromLocal8Bit(argv[i]));
        if (const std::optional<TInformationAnswer> answer = AnswerInformationOptions(arguments)) {
            std::fputs(answer->Text.toLocal8Bit().constData(), stdout);
            return 0;
        }
    }
    TPendulorApplication app(argc, argv);
    SubstituteFonts();
    TDesktopServices desktop;
    // Every new clock window asks the application style for five icons.
    QApplication::setStyle(new TIconCachingStyle(QApplication::style()));
    TMainForm frame(desktop.Frame());
    desktop.MakeDialogs(frame);
    std::unique_ptr<TStartupTrace> trace;
    if (qEnvironmentVariableIsSet("PENDULOR_TRACE_STARTUP"))
        trace = std::make_unique<TStartupTrace>(frame, sinceStart);
    frame.show();
    // Logout, shutdown and kill close the frame as the user would.
    TSessionEnd sessionEnd(frame, desktop.MessageBoxes());
    TTerminationSignals termination;
    if (termination.Install())
        sessionEnd.Watch(termination);
    return app.exec();
}
