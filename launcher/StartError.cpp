// SPDX-License-Identifier: GPL-3.0-or-later
#include "launcher/StartError.h"

#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QMessageBox>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "app/Language.h"

namespace zorbil::launcher {

namespace {

bool HasDisplay()
{
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"})
        if (const char* value = std::getenv(name); value && *value)
            return true;
    return false;
}

}  // namespace

void ReportStartError(const std::string& message)
{
    std::fprintf(stderr, "zorbil: %s\n", message.c_str());
    if (!HasDisplay())
        return;
    // Qt aborts the process when the display cannot be reached: the box gets
    // a process of its own, so that the launcher still ends as it should.
    const pid_t child = ::fork();
    if (child == 0) {
        int argc = 1;
        char name[] = "zorbil";
        char* argv[] = {name, nullptr};
        QApplication app(argc, argv);
        const QString title = zorbil::Translated("MessageBoxes", QT_TRANSLATE_NOOP("MessageBoxes", "Erreur"));
        QMessageBox box(QMessageBox::Critical, title, QString::fromStdString(message), QMessageBox::Ok);
        box.exec();
        std::_Exit(0);
    }
    if (child > 0) {
        int status = 0;
        while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
    }
}

}  // namespace zorbil::launcher
