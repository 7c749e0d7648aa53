// The floor for the start-up and memory figures: the least a Qt Widgets program of the game's
// shape can do. A main window with a menu bar over a 722x514 client showing 52 small pictures
// from the program's resources, and nothing else.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPixmap>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Velmora Floor"));
  for (const char* title : {"&File", "&Options", "&Help"}) {
    window.menuBar()
        ->addMenu(QString::fromLatin1(title))
        ->addAction(QStringLiteral("&Close"), &window, &QWidget::close);
  }
  auto* client = new QWidget(&window);
  client->setFixedSize(722, 514);
  // Eleven to a row, five rows overlapping by two pixels: 52 pictures of 64x104 fill the board.
  for (int n = 1; n <= 52; ++n) {
    auto* picture = new QLabel(client);
    picture->setPixmap(
        QPixmap(QStringLiteral(":/pictures/face%1.png").arg(n, 2, 10, QLatin1Char('0'))));
    picture->setGeometry(4 + 65 * ((n - 1) % 11), 102 * ((n - 1) / 11), 64, 104);
  }
  window.setCentralWidget(client);
  window.show();
  return app.exec();
}
