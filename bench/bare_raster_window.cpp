// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for bench/process_figures.sh: the least a Qt program can do once
// a second on screen. A QRasterWindow (no widgets, no style, no fonts) the
// clock's size that paints one small rectangle a second, the way the clock
// repaints one digit. What this costs above xclock, Qt costs.
#include <QGuiApplication>
#include <QPainter>
#include <QRasterWindow>
#include <QTimer>

namespace {

class OneRectangleWindow final : public QRasterWindow {
protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(QRect(20, 30, 12, 18), (m_seconds++ % 2) ? Qt::black : Qt::white);
    }

private:
    int m_seconds = 0;
};

} // namespace

int main(int argc, char **argv)
{
    // The same image upload the clock chooses for itself.
    if (qEnvironmentVariableIsEmpty("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    QGuiApplication app(argc, argv);
    OneRectangleWindow window;
    window.setTitle(QStringLiteral("Bare Qt raster window"));
    window.setFlags(Qt::FramelessWindowHint);
    window.resize(180, 80);

    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, &window, [&window] { window.update(QRect(20, 30, 12, 18)); });
    timer.start(1000);

    window.show();
    return app.exec();
}
