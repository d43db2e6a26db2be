// The toolkit's floor for the start-up comparison: a bare Qt window with the
// program's eight menus and a painted 2000 x 1000 canvas, sized like the
// program's frame, ending at its first paint as the probe build does.
#include <QApplication>
#include <QImage>
#include <QMainWindow>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

#include "platform/qt/startup_probe.h"

namespace {

class Canvas : public QWidget {
public:
    Canvas() : image_(2000, 1000, QImage::Format_RGB32) { image_.fill(0xE1E1E1); }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        painter.drawImage(event->rect(), image_, event->rect());
        end_after_first_paint();
    }

private:
    QImage image_;
};

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    for (const char* title :
         {"&Indice", "&Versione", "&Livello", "&Dati", "&Strumenti", "&Simulazioni", "&Giochi", "&Opzioni"})
        window.menuBar()->addMenu(title)->addAction("-");
    window.setCentralWidget(new Canvas);
    window.resize(605, 388);
    window.move(20, 20);
    window.show();
    return QApplication::exec();
}
