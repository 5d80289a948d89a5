#include "widgets/window_font.h"

#include <QApplication>

namespace linknode {

QFont windowFont()
{
    QFont font(QString::fromLatin1(kWindowFontFamily), kWindowFontPoints);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont fixedFont()
{
    QFont font(QString::fromLatin1(kFixedFontFamily), kWindowFontPoints);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

void useWindowFont()
{
    QApplication::setFont(windowFont());
}

} // namespace linknode
