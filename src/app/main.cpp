#include <QApplication>

#include <cfenv>
#include <cstdlib>

#include "app/main_window.h"
#include "svg/svg_state.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // Round to nearest, exceptions masked, 64-bit significand for intermediates, whatever
    // the toolkit's start-up left behind.
    std::fesetenv(FE_DFL_ENV);
    std::atexit(kt::releaseSvgDocument);

    kt::MainWindow window;
    window.show();
    application.exec();
    return 0;
}
