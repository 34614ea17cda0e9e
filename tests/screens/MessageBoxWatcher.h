// SPDX-License-Identifier: GPL-3.0-or-later
// Answers the message boxes a test provokes: every box that comes up is
// noted (title, text, icon) and closed with its default button, so the code
// under test runs on as it would after the player pressed OK.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

namespace zorbil::test {

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon;
};

class MessageBoxWatcher : public QObject {
public:
    MessageBoxWatcher()
    {
        timer_.setInterval(10);
        connect(&timer_, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            if (box != open_) {
                open_ = box;
                opened_.start();
            }
            if (opened_.elapsed() < answerAfterMs)
                return;
            open_ = nullptr;
            boxes.append({box->windowTitle(), box->text(), box->icon()});
            box->done(QMessageBox::Ok);
        });
        timer_.start();
    }

    // How long each box stays open before it is answered: a player reading it.
    int answerAfterMs = 0;
    QList<SeenBox> boxes;
    QStringList texts() const
    {
        QStringList t;
        for (const SeenBox& b : boxes)
            t << b.text;
        return t;
    }

private:
    QTimer timer_;
    QPointer<QMessageBox> open_;
    QElapsedTimer opened_;
};

}  // namespace zorbil::test
