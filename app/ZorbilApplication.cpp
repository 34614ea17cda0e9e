// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ZorbilApplication.h"

#include <QMessageBox>
#include <exception>

#include "shared/Title.h"

namespace zorbil {

ZorbilApplication::ZorbilApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    // The application name, not the display name: Qt appends a display name
    // to every window caption, and the dialog's caption must stay its own.
    setApplicationName(ApplicationTitle);
    // The configuration dialog decides when the program ends, also while
    // only a message box is on screen.
    setQuitOnLastWindowClosed(false);
}

bool ZorbilApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowException(QString::fromUtf8(error.what()));
    } catch (...) {
        ShowException(QCoreApplication::translate("ZorbilApplication", "Une erreur inattendue est survenue."));
    }
    return false;
}

void ZorbilApplication::ShowException(const QString& text)
{
    QMessageBox box(QMessageBox::Critical, applicationName(), text, QMessageBox::NoButton);
    box.addButton("OK", QMessageBox::AcceptRole);
    box.exec();
}

}  // namespace zorbil
