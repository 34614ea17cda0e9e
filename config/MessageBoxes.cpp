// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/MessageBoxes.h"

#include <QMessageBox>
#include <QPushButton>

namespace zorbil {

void ShowErrorBox(QWidget* parent, const std::string& message)
{
    QMessageBox box(QMessageBox::Critical, "Erreur", QString::fromStdString(message), QMessageBox::NoButton, parent);
    box.addButton("OK", QMessageBox::AcceptRole);
    box.exec();
}

bool AskQuestion(QWidget* parent, const std::string& question)
{
    QMessageBox box(QMessageBox::Warning, "Avertissement", QString::fromStdString(question), QMessageBox::NoButton,
                    parent);
    QPushButton* yes = box.addButton("&Oui", QMessageBox::YesRole);
    QPushButton* no = box.addButton("&Non", QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

}  // namespace zorbil
