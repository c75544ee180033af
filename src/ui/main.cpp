#include "MainWidget.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    // Traces must appear as they happen, also in a pipe.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QApplication app(argc, argv);
    MainWidget widget(nullptr, "MainWidget", argc, argv);
    if (!widget.started())
        return 1;
    widget.show();
    return app.exec();
}
