#include "settings/settings_dialog_text_box.h"

#include <QValidator>

#include <algorithm>

// Judges every change the user makes against the text that stood before it;
// changes made by the program pass unjudged.
class TypingLimit final : public QValidator {
public:
    TypingLimit(int limit, QLineEdit *box)
        : QValidator(box),
          m_limit(limit)
    {
        connect(box, &QLineEdit::textChanged, this, [this](const QString &text) { m_before = text; });
    }

    int limit() const { return m_limit; }

    void setProgramText(QLineEdit *box, const QString &text)
    {
        m_programSetting = true;
        box->QLineEdit::setText(text);
        m_programSetting = false;
    }

    State validate(QString &input, int &position) const override
    {
        const qsizetype allowed = std::max<qsizetype>(m_limit, m_before.size());
        if (m_programSetting || input.size() <= allowed)
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
    QString m_before;
    bool m_programSetting = false;
};

LimitedTextBox::LimitedTextBox(int typingLimit, QWidget *parent)
    : QLineEdit(parent),
      m_limit(new TypingLimit(typingLimit, this))
{
    setValidator(m_limit);
}

void LimitedTextBox::setText(const QString &text)
{
    m_limit->setProgramText(this, text);
}

int LimitedTextBox::typingLimit() const
{
    return m_limit->limit();
}
