#pragma once

#include "platform/Dialogs.h"

#include <deque>
#include <vector>

// Message boxes that a test answers in advance and reads back afterwards.
class ScriptedDialogs final : public platform::Dialogs {
public:
    struct Shown {
        QString text;
        QString caption;
        Style style;
    };

    Answer messageBox(QWidget*, const QString& text, const QString& caption, Style style) override
    {
        m_shown.push_back({text, caption, style});
        return nextAnswer(style);
    }

    std::vector<Shown> m_shown;
    std::deque<Answer> m_answers;

private:
    Answer nextAnswer(Style style)
    {
        if (m_answers.empty())
            return style == Style::Ok ? Answer::Ok : Answer::No;
        const Answer answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
};
