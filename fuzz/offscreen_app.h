#pragma once

#include <QApplication>

// The one QApplication of a fuzz target, on the offscreen platform, made before the first
// input. It and the widgets made for the inputs live until the process ends, never
// destroyed: libFuzzer ends with exit(), and a QApplication torn down by the exit handlers
// before its widgets crashes in Qt's own destructors.
inline void makeOffscreenApplication(int* argc, char*** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static const QApplication* const app = new QApplication(*argc, *argv);
    (void)app;
}
