// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings_dialog_test_world.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>

// Renders each tab as the user sees it and checks what a look would catch:
// nothing sticks out of its container, nothing overlaps, every one-line
// caption fits its control. With HORALUX_SCREENSHOT_DIR set, each tab is also
// saved there as settings_tab<N>.png.

using namespace settings_dialog_test;
using namespace Qt::StringLiterals;

namespace {

// Controls that the design lets touch their neighbour by a pixel (the zone
// boxes are one twip-rounding taller than their spacing).
constexpr int kTouch = 1;

QList<QWidget *> visibleChildren(QWidget *parent)
{
    QList<QWidget *> shown;
    for (QWidget *child : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisible() && !child->objectName().isEmpty())
            shown << child;
    }
    return shown;
}

// The width a one-line caption needs inside its control.
int captionRoom(QWidget *control)
{
    if (auto *box = qobject_cast<QCheckBox *>(control)) {
        QStyleOptionButton option;
        option.initFrom(box);
        const QStyle *style = box->style();
        return box->width() - style->pixelMetric(QStyle::PM_IndicatorWidth, &option, box)
            - style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, box);
    }
    if (qobject_cast<QPushButton *>(control))
        return control->width() - 4;
    return control->width();
}

QString caption(QWidget *control)
{
    if (auto *box = qobject_cast<QGroupBox *>(control))
        return box->title();
    if (auto *button = qobject_cast<QAbstractButton *>(control))
        return button->text().remove(u'&');
    if (auto *label = qobject_cast<QLabel *>(control))
        return label->text();
    return {};
}

class SettingsDialogRender : public DialogWorld {
protected:
    // Checks the children of one container, then their own children.
    void checkContainer(QWidget *container)
    {
        const QList<QWidget *> children = visibleChildren(container);
        for (QWidget *child : children) {
            const std::string name = child->objectName().toStdString();
            EXPECT_TRUE(container->rect().contains(child->geometry()))
                << name << " sticks out of " << container->objectName().toStdString();
            for (QWidget *other : children) {
                if (other != child && other->objectName() > child->objectName()) {
                    const QRect overlap = child->geometry() & other->geometry();
                    EXPECT_TRUE(overlap.isEmpty() || std::min(overlap.width(), overlap.height()) <= kTouch)
                        << name << " overlaps " << other->objectName().toStdString();
                }
            }
            const auto *label = qobject_cast<QLabel *>(child);
            const bool wraps = (label && label->wordWrap()) || child->objectName() == u"daylightSavingCheck";
            const QString text = caption(child);
            if (!text.isEmpty()) {
                const QFontMetrics metrics(child->font());
                if (wraps) {
                    const QRect needed =
                        metrics.boundingRect(QRect(0, 0, captionRoom(child), 10000), Qt::TextWordWrap, text);
                    EXPECT_LE(needed.height(), child->height()) << name << ": wrapped caption is cut";
                } else {
                    EXPECT_LE(metrics.horizontalAdvance(text), captionRoom(child)) << name << ": caption is cut";
                }
            }
            checkContainer(child);
        }
    }
};

TEST_F(SettingsDialogRender, EveryTabShowsEveryControlWhole)
{
    platform.settings.set(u"tz1"_s, u"Home"_s);
    open();
    dialog->show();
    // The note under a name box that names no place.
    type(u"customName2Edit"_s, u"Atlantis"_s);
    click(u"applyButton"_s);
    const QString folder = qEnvironmentVariable("HORALUX_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        QDir().mkpath(folder);
    for (int tab = 0; tab < 3; ++tab) {
        SCOPED_TRACE(tab);
        dialog->tabs()->setCurrentIndex(tab);
        QApplication::processEvents();
        checkContainer(dialog->tabs()->currentWidget());
        const QImage image = dialog->grab().toImage();
        // In device-independent pixels, whatever QT_SCALE_FACTOR the run has.
        EXPECT_EQ(image.size() / image.devicePixelRatio(), QSize(426, 424));
        if (!folder.isEmpty()) {
            EXPECT_TRUE(image.save(QDir(folder).filePath(u"settings_tab%1.png"_s.arg(tab))));
        }
    }
    checkContainer(dialog.get());
}

// A frame's caption stands clear of what the frame holds, and every page is
// filled to its foot: no band left blank below the last control.
TEST_F(SettingsDialogRender, CaptionsClearOfTheirContentsAndNoBlankBandOnAnyPage)
{
    open();
    dialog->show();
    for (int tab = 0; tab < 3; ++tab) {
        SCOPED_TRACE(tab);
        dialog->tabs()->setCurrentIndex(tab);
        QApplication::processEvents();
        QWidget *page = dialog->tabs()->currentWidget();
        int lowest = 0;
        for (QWidget *child : visibleChildren(page))
            lowest = std::max(lowest, child->geometry().bottom());
        EXPECT_GE(lowest, page->height() - 16) << "a blank band below the page's last control";

        for (auto *frame : page->findChildren<QGroupBox *>()) {
            if (frame->title().isEmpty())
                continue;
            // The style keeps the caption and the frame's top line above the
            // contents rectangle.
            const int clear = frame->contentsRect().top();
            for (QWidget *inside : visibleChildren(frame)) {
                EXPECT_GE(inside->y(), clear) << inside->objectName().toStdString() << " touches the caption of "
                                              << frame->objectName().toStdString();
            }
        }
    }
}

} // namespace
