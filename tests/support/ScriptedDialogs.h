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
    // Answers at once, as if the user had been waiting for the question.
    void messageBoxAsync(QWidget* owner, const QString& text, const QString& caption, Style style,
                         std::function<void(Answer)> onAnswer) override
    {
        m_owners.push_back(owner);
        m_shown.push_back({text, caption, style});
        const Answer answer = nextAnswer(style);
        if (onAnswer)
            onAnswer(answer);
    }

    std::vector<Shown> m_shown;
    // The owners of the boxes asked without waiting, in order.
    std::vector<QWidget*> m_owners;
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
