// The floor the program's start-up is measured against: the least a Qt
// Widgets program shows, built with the same Qt and run from the same folder.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Bare dialog"));
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("Slope"), &dialog));
    layout->addWidget(new QLineEdit(&dialog));
    layout->addWidget(new QPushButton(QStringLiteral("OK"), &dialog));
    dialog.show();
    return QApplication::exec();
}
