#include "app/qt_toolkit.h"

#include <QGuiApplication>
#include <QScreen>

#include "app/main_window.h"
#include "app/separator_window.h"
#include "app/window_place.h"

namespace kt {

void QtToolkit::openSeparatorWindowModally()
{
    SeparatorWindow window(window_, *this);
    window.setWindowModality(Qt::ApplicationModal);
    window.move(centredWindowPlace(QGuiApplication::primaryScreen()->geometry(),
                                   SeparatorWindow::OuterSize));
    separatorWindow_ = &window;
    window.exec();
}

void QtToolkit::closeSeparatorWindow()
{
    if (!separatorWindow_)
        return;
    // The handler that asks is still running inside the window.
    QMetaObject::invokeMethod(
        separatorWindow_, [window = separatorWindow_] { window->close(); },
        Qt::QueuedConnection);
}

}  // namespace kt
