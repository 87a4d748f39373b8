// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/message_box.h"

#include <deque>
#include <functional>
#include <vector>

// Records every message box and answers from a script (Ok, or No for Yes/No
// boxes, when the script is empty).
class FakeMessageBoxes final : public platform::MessageBoxes {
public:
    struct Shown {
        QString text;
        QString title;
        Icon icon;
        Buttons buttons;
    };

    Answer show(const QString &text, const QString &title, Icon icon, Buttons buttons = Buttons::Ok) override
    {
        shown.push_back({text, title, icon, buttons});
        if (whileShown)
            whileShown();
        if (!answers.empty()) {
            const Answer a = answers.front();
            answers.pop_front();
            return a;
        }
        return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    }

    std::vector<Shown> shown;
    std::deque<Answer> answers;
    // Runs while a box is "open", as events run under a real modal box.
    std::function<void()> whileShown;
};
