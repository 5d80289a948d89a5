#include "widgets/window_font.h"

#include <QApplication>
#include <gmock/gmock.h>

// Window tests run with a QApplication, offscreen unless told otherwise, in the window's font.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    linknode::useWindowFont();
    testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
