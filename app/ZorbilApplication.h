// SPDX-License-Identifier: GPL-3.0-or-later
// The application object. Its notify() is the general error handler: an
// error that escapes an event handler is shown in a box titled with the
// application's title, and the program goes on with its next event.
#pragma once

#include <QApplication>

namespace zorbil {

class ZorbilApplication : public QApplication {
public:
    ZorbilApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

private:
    void ShowException(const QString& text);
};

}  // namespace zorbil
