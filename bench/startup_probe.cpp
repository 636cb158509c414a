// The floor for Zelvo's start-up benchmark: what any Qt Widgets program pays to show a bar
// shaped like Zelvo's, a frameless 840x35 window titled "Zelvo" with seven line edits in a row.
// bench/startup.sh times it next to Zelvo under the same conditions.
#include <QApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget bar(nullptr, Qt::FramelessWindowHint);
    bar.setWindowTitle("Zelvo");
    auto* row = new QHBoxLayout(&bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    for (int i = 0; i < 7; ++i) {
        row->addWidget(new QLineEdit(&bar));
    }
    bar.resize(840, 35);
    bar.show();
    return app.exec();
}
