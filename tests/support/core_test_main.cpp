#include <QCoreApplication>
#include <gmock/gmock.h>

// Tests of the widget-free code run with an event loop but without any GUI.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
