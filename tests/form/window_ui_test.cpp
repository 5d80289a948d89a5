// The window as a desktop citizen: every choice of a list can be read, boxes belong to the
// window, and the window keeps the size its layout was drawn for.
#include "form/dialogs.h"
#include "form/layout_table.h"
#include "sim/presets.h"
#include "tests/config/view_fixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QSet>
#include <QTimer>
#include <functional>

using namespace linknode;
using namespace linknode::test;

namespace {

using Window = ConfigView;

// Opens the popup of every combo box on screen and checks that each item fits the view
// without being elided; `opened` collects the boxes checked.
void expectReadablePopups(Tool& tool, const QString& state, QSet<QString>& opened)
{
    for (QComboBox* combo : tool.app.form.findChildren<QComboBox*>()) {
        if (!combo->isVisible() || combo->count() == 0)
            continue;
        combo->showPopup();
        const QAbstractItemView& view = *combo->view();
        QStringList elided;
        for (int row = 0; row < combo->count(); ++row) {
            const QModelIndex item = combo->model()->index(row, combo->modelColumn());
            if (view.sizeHintForIndex(item).width() > view.viewport()->width())
                elided << combo->itemText(row);
        }
        EXPECT_TRUE(view.isVisible() && elided.isEmpty())
            << (state + u": "_qs + combo->objectName() + u" elides "_qs + elided.join(u" | "))
                   .toStdString();
        combo->hidePopup();
        opened.insert(combo->objectName());
    }
}

TEST_F(Window, EveryPopupIsAsWideAsItsWidestItemOnEveryModel)
{
    QSet<QString> opened;
    expectReadablePopups(tool, u"start"_qs, opened);
    for (const sim::Device& device : sim::allModelsFleet()) {
        const QByteArray record = sim::recordText(device);
        select(record.toStdString());
        expectReadablePopups(tool, QString::fromLatin1(record).section(u',', 7, 7), opened);
    }
    QSet<QString> all;
    for (const QComboBox* combo : tool.app.form.findChildren<QComboBox*>())
        all.insert(combo->objectName());
    EXPECT_EQ(opened, all) << "every combo box was opened once at least";
}

TEST_F(Window, TheDisplayModeListHoldsItsStartItemsBeforeAnyDeviceIsShown)
{
    const auto& modes = tool[LST_PANORAMA_MODE];
    QStringList items;
    for (int row = 0; row < modes.count(); ++row)
        items << modes.itemText(row);
    EXPECT_EQ(items,
        QStringList({ QStringLiteral("Clock Mode (Red)"), QStringLiteral("Clock Mode (Green)"),
            QStringLiteral("Clock Mode (Flash)"), QStringLiteral("String Mode"),
            QStringLiteral("Temperature Mode "), QStringLiteral("Show Version Mode"),
            QStringLiteral("Countdown on TTL IN") }));
    EXPECT_EQ(modes.currentText(), QStringLiteral("QD-Panorama and QD-71R Startup Mode"));
}

TEST_F(Window, CannotBeMadeSmallerThanItsDesignSizeAndGrowsFromTheTopLeft)
{
    const QSize design(windowWidth / twipsPerPixel, windowHeight / twipsPerPixel);
    auto& form = tool.app.form;
    EXPECT_EQ(form.size(), design);
    const QPoint list = tool[LST_KRT].pos();
    form.resize(design / 2);
    EXPECT_EQ(form.size(), design);
    form.resize(design * 2);
    EXPECT_EQ(form.size(), design * 2);
    EXPECT_EQ(tool[LST_KRT].pos(), list);
    EXPECT_FALSE(form.windowIcon().isNull());
}

// Message and input boxes open over the window, modal to it, with no minimise or maximise
// button; each is closed by a timer that looks at it first.
TEST_F(Window, BoxesBelongToTheWindow)
{
    auto& form = tool.app.form;
    QtDialogs dialogs;
    dialogs.setParentWindow(&form);
    const std::pair<const char*, std::function<void()>> boxes[] = {
        { "message",
            [&] {
                dialogs.message(
                    QStringLiteral("text"), QStringLiteral("title"), MessageIcon::Information);
            } },
        { "input",
            [&] {
                EXPECT_EQ(dialogs.input(QStringLiteral("prompt"), QStringLiteral("title"),
                              QStringLiteral("answer")),
                    std::nullopt);
            } },
    };
    for (const auto& [kind, open] : boxes) {
        bool seen = false;
        QTimer::singleShot(0, &form, [&, kind = kind] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                seen = true;
                EXPECT_EQ(box->parentWidget(), &form) << kind;
                EXPECT_EQ(box->windowModality(), Qt::WindowModal) << kind;
                EXPECT_FALSE(box->windowFlags()
                    & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint))
                    << kind;
                EXPECT_EQ(box->windowTitle(), QStringLiteral("title")) << kind;
            }
            for (QWidget* window : QApplication::topLevelWidgets())
                if (auto* dialog = qobject_cast<QDialog*>(window); dialog && dialog->isVisible())
                    dialog->reject();
        });
        open();
        EXPECT_TRUE(seen) << kind;
    }
}

} // namespace
