#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName("Zorbil - Version 1.0");
    QLabel window("Zorbil - Version 1.0\n\nLa fenêtre de jeu n'est pas encore assemblée dans cette version.");
    window.setAlignment(Qt::AlignCenter);
    window.resize(450, 200);
    window.show();
    return app.exec();
}
