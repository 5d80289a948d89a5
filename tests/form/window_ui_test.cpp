// The window as a desktop citizen: every choice of a list can be read, boxes belong to the
// window, and the window keeps the size its layout was drawn for.
#include "core/latin1.h"
#include "form/dialogs.h"
#include "form/layout_table.h"
#include "tests/config/view_fixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QInputDialog>
#include <QSet>
#include <QTest>
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
    for (const std::string& record : fleetRecords()) {
        select(record);
        expectReadablePopups(tool, toText(record).section(u',', 7, 7), opened);
    }
    QSet<QString> all;
    for (const QComboBox* combo : tool.app.form.findChildren<QComboBox*>())
        all.insert(combo->objectName());
    EXPECT_EQ(opened, all) << "every combo box was opened once at least";
}

// Before any device is shown, the display-mode list holds its start items; the window cannot be
// made smaller than its design size and grows from the top left.
TEST_F(Window, StartItemsOfTheDisplayModeListAndTheWindowsSize)
{
    const auto& modes = tool[LST_PANORAMA_MODE];
    QStringList items;
    for (int row = 0; row < modes.count(); ++row)
        items << modes.itemText(row);
    EXPECT_EQ(items.join(u'|'),
        u"Clock Mode (Red)|Clock Mode (Green)|Clock Mode (Flash)|String Mode|Temperature Mode |"
        u"Show Version Mode|Countdown on TTL IN"_qs);
    EXPECT_EQ(modes.currentText(), QStringLiteral("QD-Panorama and QD-71R Startup Mode"));
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
// Boxes belong to the window, Esc closes them (an input box as Cancel), and an input box is
// wide enough for its whole title.
TEST_F(Window, BoxesBelongToTheWindow)
{
    auto& form = tool.app.form;
    QtDialogs dialogs;
    dialogs.setParentWindow(&form);
    const QString title = u"Reset countdown value"_qs;
    const std::pair<const char*, std::function<void()>> boxes[] = {
        { "message", [&] { dialogs.message(u"text"_qs, title, MessageIcon::Information); } },
        { "input",
            [&] { EXPECT_EQ(dialogs.input(u"prompt"_qs, title, u"answer"_qs), std::nullopt); } },
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
                EXPECT_EQ(box->windowTitle(), title) << kind;
                if (qobject_cast<QInputDialog*>(box)) {
                    EXPECT_GE(box->width(), box->fontMetrics().horizontalAdvance(title) * 3 / 2)
                        << "the title bar holds the whole title";
                }
                QTest::keyClick(box, Qt::Key_Escape);
            }
        });
        open();
        EXPECT_TRUE(seen) << kind;
    }
}

} // namespace
