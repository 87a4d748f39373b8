// SPDX-License-Identifier: GPL-3.0-or-later
// The reference for bench/process_figures.sh: what a Qt Widgets window with
// three labels and a one-second clock costs before any program of its own.
#include <QApplication>
#include <QLabel>
#include <QTime>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
    window.setFixedSize(180, 80);

    auto *layout = new QVBoxLayout(&window);
    auto *title = new QLabel(QStringLiteral("Bare Qt window"));
    auto *time = new QLabel;
    auto *note = new QLabel(QStringLiteral("One-second timer"));
    for (QLabel *label : {title, time, note}) {
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }

    const auto showTime = [time] { time->setText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss"))); };
    showTime();
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, &window, showTime);
    timer.start(1000);

    window.show();
    return app.exec();
}
