#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <utility>

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
// Backspace, "<" the left arrow, "\r" Return and "\n" Enter.
inline void typeKeys(const char* keys)
{
    for (const char* key = keys; *key; ++key) {
        QWidget* target = QApplication::focusWidget();
        const std::pair<char, Qt::Key> named[] = { { '\b', Qt::Key_Backspace },
            { '<', Qt::Key_Left }, { '\r', Qt::Key_Return }, { '\n', Qt::Key_Enter } };
        const auto* found = std::ranges::find(named, *key, &std::pair<char, Qt::Key>::first);
        if (found != std::end(named))
            QTest::keyClick(target, found->second);
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
