#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Korvane-Tessaly"));
    window.setFixedSize(747, 869);
    window.show();
    return application.exec();
}
