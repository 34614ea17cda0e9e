// SPDX-License-Identifier: GPL-3.0-or-later
// Answers the message boxes a test provokes, as a player would: each box
// that comes up is answered with the button captioned `answer` (its default
// button, or its first, when none is), after answerAfterMs, and noted then.
// The code under test runs on as it would after the player's answer.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

namespace zorbil::test {

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon;
    QStringList buttons;
};

class MessageBoxWatcher : public QObject {
public:
    explicit MessageBoxWatcher(QString answer = {}) : answer_(std::move(answer)) { qApp->installEventFilter(this); }
    ~MessageBoxWatcher() override { qApp->removeEventFilter(this); }

    // How long each box stays open: a player reading it.
    int answerAfterMs = 0;
    // Called as each box comes up, and just before it is answered.
    std::function<void()> onShown;
    std::function<void()> onAnswer;
    // The boxes answered so far.
    QList<SeenBox> boxes;

    QStringList texts() const
    {
        QStringList t;
        for (const SeenBox& b : boxes)
            t << b.text;
        return t;
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* box = qobject_cast<QMessageBox*>(object);
        if (box && event->type() == QEvent::Show) {
            if (onShown)
                onShown();
            QTimer::singleShot(answerAfterMs, box, [this, box] { Answer(box); });
        }
        return false;
    }

private:
    void Answer(QMessageBox* box)
    {
        if (!box || !box->isVisible())
            return;
        QAbstractButton* chosen = box->defaultButton();
        if (!chosen)
            chosen = box->buttons().value(0);
        SeenBox seen{box->windowTitle(), box->text(), box->icon(), {}};
        for (QAbstractButton* button : box->buttons()) {
            seen.buttons << button->text();
            if (button->text() == answer_)
                chosen = button;
        }
        if (onAnswer)
            onAnswer();
        boxes << seen;
        chosen->click();
    }

    QString answer_;
};

}  // namespace zorbil::test
