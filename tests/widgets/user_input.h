#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>

namespace linknode::testing_input {

// What a user's double click delivers: press, release, press, double-click, release.
inline void userDoubleClick(QWidget* widget, QPoint pos = {})
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, pos);
    QTest::mousePress(widget, Qt::LeftButton, {}, pos);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
}

// Types `keys` one by one into whichever widget has the focus at each key; "\b" is
// Backspace, "<" the left arrow.
inline void typeKeys(const char* keys)
{
    for (const char* key = keys; *key; ++key) {
        QWidget* target = QApplication::focusWidget();
        if (*key == '\b')
            QTest::keyClick(target, Qt::Key_Backspace);
        else if (*key == '<')
            QTest::keyClick(target, Qt::Key_Left);
        else
            QTest::keyClick(target, *key);
    }
}

inline void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

// A shown, active top-level window, so focus and key events behave as on a desktop.
inline bool showActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

} // namespace linknode::testing_input
