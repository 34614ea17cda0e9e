// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/MessageBoxes.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace zorbil {

namespace {

// Messages are marked in the context "Messages" where they are written.
QString Translated(const std::string& message)
{
    return QCoreApplication::translate("Messages", message.c_str());
}

}  // namespace

void ShowErrorBox(QWidget* parent, const std::string& message)
{
    QMessageBox box(QMessageBox::Critical, QCoreApplication::translate("MessageBoxes", "Erreur"), Translated(message),
                    QMessageBox::NoButton, parent);
    box.addButton("OK", QMessageBox::AcceptRole);
    box.exec();
}

bool AskQuestion(QWidget* parent, const std::string& question)
{
    QMessageBox box(QMessageBox::Warning, QCoreApplication::translate("MessageBoxes", "Avertissement"),
                    Translated(question), QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(QCoreApplication::translate("MessageBoxes", "&Oui"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QCoreApplication::translate("MessageBoxes", "&Non"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

}  // namespace zorbil
