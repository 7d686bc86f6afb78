// Vantrel: the desktop editor of Orbiter scenario files.

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Vantrel");
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    return 0;
}
