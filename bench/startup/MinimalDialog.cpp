// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of startup_bench: the least a Qt Widgets program does to
// show a dialog, with the game's dialog title so that the same watch times
// it.
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle("Zorbil - Configuration");
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel("Zorbil"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    dialog.show();
    return app.exec();
}
