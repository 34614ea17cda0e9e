// SPDX-License-Identifier: GPL-3.0-or-later
// Answers the message boxes a test provokes: every box that comes up is
// noted (title, text, icon) and closed with its default button, so the code
// under test runs on as it would after the player pressed OK.
#pragma once

#include <QApplication>
#include <QMessageBox>
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
            boxes.append({box->windowTitle(), box->text(), box->icon()});
            box->done(QMessageBox::Ok);
        });
        timer_.start();
    }

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
};

}  // namespace zorbil::test
