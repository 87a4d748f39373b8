// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include <array>

// The clock's backgrounds, one per time of day, plus the window's default.
enum class Scene { Day, Eve, Night, Nighttime, Default };

inline constexpr std::array kAllScenes {Scene::Day, Scene::Eve, Scene::Night, Scene::Nighttime, Scene::Default};

// File name without extension or resolution suffix: "day", "background", ...
QString sceneName(Scene scene);

// The colours the clock writes over the scene.
struct LabelInk {
    QColor zoneName;
    QColor time;
    QColor date;
};
LabelInk labelInk(Scene scene);

// 180 x 80 times scale pixels, opaque, drawn at that resolution.
QImage paintScene(Scene scene, int scale);
