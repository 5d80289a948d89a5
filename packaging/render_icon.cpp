// Draws the program's icon, the network socket of the window's pictures, at the sizes the
// hicolor theme asks for: OUTDIR/SIZExSIZE/apps/linknode-tool.png. Runs at build time only.
#include "widgets/product_art.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    // Pixmaps need a GUI application, never a display: the build may have none.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() < 3) {
        std::fprintf(stderr, "usage: render_icon OUTDIR SIZE...\n");
        return 2;
    }
    const QDir out(arguments.at(1));
    for (const QString& argument : arguments.mid(2)) {
        bool number = false;
        const int size = argument.toInt(&number);
        if (!number || size < 1) {
            std::fprintf(stderr, "render_icon: not a size: %s\n", qPrintable(argument));
            return 2;
        }
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        const QString file = out.filePath(folder + QStringLiteral("/linknode-tool.png"));
        if (!out.mkpath(folder)
            || !linknode::networkPicture(QSize(size, size), 1.0).save(file, "PNG")) {
            std::fprintf(stderr, "render_icon: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
