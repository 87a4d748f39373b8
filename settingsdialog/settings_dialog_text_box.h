// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

class TypingLimit;

// A text box whose length limit holds for typing, pasting and dropping only:
// text that the program puts in with setText is kept whole, however long, and
// the user may then shorten it but not lengthen it. (QLineEdit::maxLength
// would cut the program's text too.)
class LimitedTextBox final : public QLineEdit {
    Q_OBJECT
public:
    LimitedTextBox(int typingLimit, QWidget *parent = nullptr);

    int typingLimit() const;

private:
    TypingLimit *m_limit;
};
