// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QRect>
#include <QTabWidget>

#include <vector>

// A tab control whose pages take their controls at places measured from the
// tab control's own top-left corner, tab strip included, as the dialog's
// layout gives them. Each place is turned into page coordinates whenever the
// style lays the pages out, so no style's strip height shifts or clips them.
class SettingsTabControl final : public QTabWidget {
    Q_OBJECT
public:
    using QTabWidget::QTabWidget;

    // Puts the control on the page at the given place, in pixels.
    void place(QWidget *control, int page, const QRect &placeInTabControl);

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    struct Placed {
        QPointer<QWidget> control;
        QRect place;
    };
    void placeAll();
    void placeOne(const Placed &placed);

    std::vector<Placed> m_placed;
};
