// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/clock_face.h"
#include "mainwindow/rolling_label.h"
#include "mainwindow/widget_pieces.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QTest>

#include <vector>

namespace {

QFont liberation(double points)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(points);
    return font;
}

// A picture with no two neighbouring pixels alike, so a misplaced or stale
// pixel of it shows.
QPixmap busyPicture()
{
    QImage image(180, 80, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb((x * 7) % 256, (y * 13) % 256, (x * y) % 256));
    return QPixmap::fromImage(image);
}

struct LabelPlace {
    QRect geometry;
    double points;
};
const LabelPlace kPlaces[] = {
    {QRect(34, 8, 140, 17), 8.25}, {QRect(7, 24, 166, 35), 20.25}, {QRect(8, 58, 150, 17), 8.25}};

// The clock's window as it is built: the face under three rolling labels.
struct FaceWindow {
    QWidget window;
    ClockFace face {&window};
    RollingLabel zone {&window};
    RollingLabel time {&window};
    RollingLabel local {&window};
    std::vector<QRect> facePaints;
    int labelPaints = 0;

    FaceWindow()
    {
        window.setFixedSize(180, 80);
        face.setGeometry(0, 0, 180, 80);
        face.setPixmap(busyPicture());
        RollingLabel *labels[] = {&zone, &time, &local};
        for (int i = 0; i < 3; ++i) {
            labels[i]->setGeometry(kPlaces[i].geometry);
            labels[i]->setFont(liberation(kPlaces[i].points));
        }
        zone.setText(QStringLiteral("United Kingdom"));
        time.setText(QStringLiteral("12:34:56"));
        local.setText(QStringLiteral("07th December 2026"));
        face.carry({&zone, &time, &local});
    }

    void show()
    {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        QApplication::processEvents();
    }
    // What the window shows now: its backing store, stale pixels and all.
    QImage shown()
    {
        return window.screen()->grabWindow(window.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    }
    // What it would show if painted afresh from scratch.
    QImage fresh() { return window.grab().toImage().convertToFormat(QImage::Format_RGB32); }
    // Whether what it shows is what a repaint of the whole window shows, in
    // the screen's own pixels (at any scale, where grab() resamples).
    bool showsWhatARepaintWould()
    {
        const QImage before = shown();
        face.update();
        QApplication::processEvents();
        return before == shown();
    }
};

// Counts the paints the face and the labels receive, and where.
class PaintSpy final : public QObject {
public:
    explicit PaintSpy(FaceWindow &w) : m_w(w)
    {
        for (QWidget *watched : std::initializer_list<QWidget *> {&w.face, &w.zone, &w.time, &w.local})
            watched->installEventFilter(this);
    }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            if (watched == &m_w.face)
                m_w.facePaints.push_back(static_cast<QPaintEvent *>(event)->rect());
            else
                ++m_w.labelPaints;
        }
        return false;
    }

private:
    FaceWindow &m_w;
};

// The picture and the labels drawn as QLabel draws them, each text clipped
// to the label's visible height: how the window looked before it had a face.
QImage asLabelsDrew(const QPixmap &picture, const std::vector<std::tuple<QString, QColor, int>> &texts)
{
    QImage image(180, 80, QImage::Format_RGB32);
    image.fill(QApplication::palette().color(QPalette::Window));
    QPainter painter(&image);
    painter.drawPixmap(0, 0, picture);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const auto &[text, colour, visible] = texts[i];
        painter.save();
        painter.setClipRect(QRect(kPlaces[i].geometry.topLeft(), QSize(kPlaces[i].geometry.width(), visible)));
        painter.setFont(liberation(kPlaces[i].points));
        painter.setPen(colour);
        painter.drawText(kPlaces[i].geometry, Qt::AlignHCenter | Qt::AlignTop, text);
        painter.restore();
    }
    return image;
}

TEST(ClockFace, LooksExactlyAsTheLabelsDrewThemselves)
{
    const struct {
        const char *zone, *time, *local;
        QColor colour;
        int timeVisible;
    } looks[] = {
        {"United Kingdom", "12:34:56", "07th December 2026", Qt::black, 35},
        {"Wellington, New Zealand", "10:00:00 pm", "31st March 2027", Qt::white, 35},
        {"Kathmandu & Pokhara", "7:05:09 am", "01st January 2027", Qt::yellow, 17},
        {"Waiting for data", "12:12:12 pm", "Local time: 12:12:12", Qt::black, 0},
        {"A name far too long to fit in the zone label", "00:00:00 am overflowing", "", Qt::black, 1},
        {"Tab\there", "Two\nlines", "  spaces kept  ", Qt::black, 34},
    };
    for (const auto &look : looks) {
        FaceWindow w;
        LabelPiece zone(w.zone), time(w.time), local(w.local);
        zone.setText(QString::fromUtf8(look.zone));
        time.setText(QString::fromUtf8(look.time));
        local.setText(QString::fromUtf8(look.local));
        const quint32 bgr =
            quint32(look.colour.red()) | quint32(look.colour.green()) << 8 | quint32(look.colour.blue()) << 16;
        for (LabelPiece *piece : {&zone, &time, &local})
            piece->setForeColor(bgr);
        time.setHeight(look.timeVisible * 15);

        const QImage expected = asLabelsDrew(busyPicture(),
                                             {{QString::fromUtf8(look.zone), look.colour, 17},
                                              {QString::fromUtf8(look.time), look.colour, look.timeVisible},
                                              {QString::fromUtf8(look.local), look.colour, 17}});
        EXPECT_TRUE(w.fresh() == expected) << look.time;
    }
}

TEST(ClockFace, RepaintingOnlyWhatChangedLeavesThePictureAFullPaintWouldGive)
{
    FaceWindow w;
    LabelPiece time(w.time), local(w.local);
    w.show();
    ASSERT_TRUE(w.shown() == w.fresh());
    const std::vector<std::pair<const char *, std::function<void()>>> steps = {
        {"a second on", [&] { time.setText(QStringLiteral("12:34:57")); }},
        {"a minute on", [&] { time.setText(QStringLiteral("12:35:00")); }},
        {"an hour wider", [&] { time.setText(QStringLiteral("9:59:59 pm")); }},
        {"back narrower", [&] { time.setText(QStringLiteral("10:00:00 pm")); }},
        {"a letter off the end", [&] { time.setText(QStringLiteral("10:00:00 p")); }},
        {"emptied", [&] { time.setText(QString()); }},
        {"a new day", [&] { local.setText(QStringLiteral("08th December 2026")); }},
        {"yellow", [&] { time.setForeColor(0x0000FFFF); }},
        {"rolled up a row", [&] { time.setHeight(510); }},
        {"rolled up eleven rows", [&] { time.setHeight(360); }},
        {"rolled down again", [&] { time.setHeight(525); }},
        {"text while rolled up",
         [&] {
             time.setHeight(0);
             time.setText(QStringLiteral("00:00:01"));
             time.setHeight(525);
         }},
        {"a new picture", [&] { w.face.setPixmap(busyPicture().transformed(QTransform().rotate(180))); }},
    };
    for (const auto &[name, step] : steps) {
        step();
        QApplication::processEvents();
        EXPECT_TRUE(w.shown() == w.fresh()) << name << ": a stale pixel stayed";
    }
}

TEST(ClockFace, PaintsOnlyTheGlyphsThatChangedAndNothingForTheSameText)
{
    FaceWindow w;
    PaintSpy spy(w);
    LabelPiece time(w.time), local(w.local);
    w.show();
    w.facePaints.clear();

    local.setText(QStringLiteral("07th December 2026"));
    time.setText(QStringLiteral("12:34:56"));
    QApplication::processEvents();
    EXPECT_TRUE(w.facePaints.empty()) << "the same texts cost no paint";

    time.setText(QStringLiteral("12:34:57"));
    QApplication::processEvents();
    ASSERT_EQ(w.facePaints.size(), 1u);
    const QRect seconds = w.facePaints[0];
    const QRect label = w.time.geometry();
    EXPECT_TRUE(label.contains(seconds));
    EXPECT_LT(seconds.width(), label.width() / 5) << "one digit, not the whole time";
    EXPECT_GT(seconds.left(), label.center().x()) << "the last digit, right of the centre";

    time.setHeight(510); // paints the label's box whole and rolled away, once a roll
    w.facePaints.clear();
    time.setHeight(495);
    time.setHeight(480);
    QApplication::processEvents();
    EXPECT_TRUE(w.facePaints.empty()) << "a step of the roll is copied onto the screen, not repainted";

    EXPECT_EQ(w.labelPaints, 0) << "the labels never paint themselves";
}

TEST(ClockFace, EveryStepOfARollShowsWhatARepaintWouldWhateverChangesMidway)
{
    FaceWindow w;
    LabelPiece zone(w.zone), time(w.time);
    w.show();
    const int rows = w.time.height();
    const auto rollTo = [&](int target, const char *why) {
        const int step = target < w.time.visibleHeight() ? -1 : 1;
        for (int row = w.time.visibleHeight(); row != target;) {
            row += step;
            time.setHeight(row * 15);
            QApplication::processEvents();
            if (!w.showsWhatARepaintWould()) {
                ADD_FAILURE() << why << ": a stale pixel at row " << row;
                return;
            }
        }
    };
    rollTo(20, "rolling up");

    const std::vector<std::pair<const char *, std::function<void()>>> midway = {
        {"a tick", [&] { time.setText(QStringLiteral("12:34:57")); }},
        {"a wider time", [&] { time.setText(QStringLiteral("10:00:00 pm")); }},
        {"a new picture", [&] { w.face.setPixmap(busyPicture().transformed(QTransform().rotate(180))); }},
        {"a new colour", [&] { time.setForeColor(0x0000FFFF); }},
        {"a new name over the first row", [&] { zone.setText(QStringLiteral("Wellington, New Zealand")); }},
    };
    int target = 12;
    for (const auto &[name, change] : midway) {
        change();
        QApplication::processEvents();
        rollTo(target, name);
        target = target == 12 ? 25 : 12;
    }
    rollTo(0, "rolled away");
    rollTo(rows, "rolling down");

    // Something over the label's rows: its steps are repainted, never copied over it.
    QLabel over(&w.window);
    over.setGeometry(w.time.geometry().left() + 20, w.time.geometry().top() + 10, 30, 10);
    over.setAutoFillBackground(true);
    over.setPalette(QPalette(Qt::green));
    over.show();
    QApplication::processEvents();
    rollTo(0, "rolling up under another widget");
    rollTo(rows, "rolling down under another widget");
}

TEST(ClockFace, APictureOfAnotherSizeSitsWhereAQLabelPutsItOnTheWindowColour)
{
    FaceWindow w;
    QImage small(60, 20, QImage::Format_RGB32);
    small.fill(Qt::red);
    w.face.setPixmap(QPixmap::fromImage(small));
    const QImage shown = w.fresh();
    const QRect place = QStyle::alignedRect(Qt::LeftToRight, w.face.alignment(), small.size(), w.face.rect());
    ASSERT_EQ(place.left(), 0);
    // Left of every label, so no text lies over these pixels.
    EXPECT_EQ(shown.pixelColor(1, place.top() + 1), QColor(Qt::red));
    const QColor window = QApplication::palette().color(QPalette::Window);
    EXPECT_EQ(shown.pixelColor(1, place.top() - 1), window);
    EXPECT_EQ(shown.pixelColor(1, place.bottom() + 1), window);
}

} // namespace
