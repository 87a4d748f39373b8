// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsdialog/settings_dialog_text_box.h"

#include <QValidator>

#include <algorithm>

// Judges every change the user makes against the text that stood before it.
// setText clears the box's undo history before it validates, while each edit
// of the user's is in that history by then: an empty history marks the
// program's own text, which passes unjudged, whatever pointer set it.
class TypingLimit final : public QValidator {
public:
    TypingLimit(int limit, QLineEdit *box) : QValidator(box), m_limit(limit), m_box(box)
    {
        connect(box, &QLineEdit::textChanged, this, [this](const QString &text) { m_before = text; });
    }

    int limit() const { return m_limit; }

    State validate(QString &input, int &position) const override
    {
        const qsizetype allowed = std::max<qsizetype>(m_limit, m_before.size());
        if (!m_box->isUndoAvailable() || input.size() <= allowed)
            return Acceptable;
        // What was just inserted ends at the cursor: keep only as much of it
        // as fits, as a paste into a full box does.
        const qsizetype excess = input.size() - allowed;
        if (excess > position)
            return Invalid;
        input.remove(position - excess, excess);
        position -= int(excess);
        return input == m_before ? Invalid : Acceptable;
    }

private:
    int m_limit;
    const QLineEdit *m_box;
    QString m_before;
};

LimitedTextBox::LimitedTextBox(int typingLimit, QWidget *parent)
    : QLineEdit(parent),
      m_limit(new TypingLimit(typingLimit, this))
{
    setValidator(m_limit);
}

int LimitedTextBox::typingLimit() const
{
    return m_limit->limit();
}
