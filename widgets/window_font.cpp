#include "widgets/window_font.h"

#include <QApplication>
#include <QFontDatabase>

namespace linknode {

namespace {
    QFont fontOf(const FontFamilies& wanted, QFont::StyleHint hint)
    {
        QFont font(chooseFamily(wanted, QFontDatabase::families()), kWindowFontPoints);
        font.setStyleHint(hint);
        return font;
    }
}

QString chooseFamily(const FontFamilies& wanted, const QStringList& installed)
{
    for (const char* family : wanted) {
        if (installed.contains(QLatin1String(family), Qt::CaseInsensitive))
            return QString::fromLatin1(family);
    }
    return QString::fromLatin1(wanted.front());
}

QFont windowFont()
{
    return fontOf(kWindowFontFamilies, QFont::SansSerif);
}

QFont fixedFont()
{
    return fontOf(kFixedFontFamilies, QFont::TypeWriter);
}

void useWindowFont()
{
    QApplication::setFont(windowFont());
}

} // namespace linknode
