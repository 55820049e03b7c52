// The toolkit's floor for the side-by-side run: a bare Qt Widgets window
// whose N labels (50 by default) show the time, all set once a second from
// one timer. Nothing a world clock needs beyond that: no formats, zones or
// files, so what it costs is what Qt and the X server cost.
// Usage: QtFloorClock [N]
#include <QApplication>
#include <QDateTime>
#include <QGridLayout>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
    QWidget window;
    window.setWindowTitle(QStringLiteral("Qt floor"));
    auto* grid = new QGridLayout(&window);
    std::vector<QLabel*> labels;
    const int columns = count <= 100 ? 5 : 20;
    for (int i = 0; i < count; ++i) {
        auto* label = new QLabel(&window);
        grid->addWidget(label, i / columns, i % columns);
        labels.push_back(label);
    }
    auto tick = [&labels] {
        const QDateTime now = QDateTime::currentDateTime();
        for (std::size_t i = 0; i < labels.size(); ++i)
            labels[i]->setText(now.addSecs(qint64(i % 24) * 3600).toString(QStringLiteral("hh:mm:ss")));
    };
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, tick);
    timer.start(1000);
    tick();
    window.show();
    return app.exec();
}
