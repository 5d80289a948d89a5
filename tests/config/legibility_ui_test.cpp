// On every model's view, in each socket mode and with the AUX port either way, every control a
// technician can use is in sight: inside the window and its frames, and covered by nothing
// drawn above it. Frames shown together do not cover each other.
#include "core/latin1.h"
#include "sim/presets.h"
#include "tests/config/view_fixture.h"
#include "tests/support/widget_stacking.h"

#include <QAbstractButton>
#include <QStringList>

using namespace linknode;
using namespace linknode::test;

namespace {

bool isInput(const QWidget& control)
{
    static const QStringList inputs { QStringLiteral("button"), QStringLiteral("checkbox"),
        QStringLiteral("option"), QStringLiteral("textbox"), QStringLiteral("combo"),
        QStringLiteral("ipentry") };
    return inputs.contains(control.property("kind").toString());
}

bool isFrame(const QWidget& control)
{
    return control.property("kind").toString() == QLatin1String("frame");
}

bool usable(const QWidget& control)
{
    const QVariant entryEnabled = control.property("entryEnabled");
    return control.isVisible()
        && (entryEnabled.isValid() ? entryEnabled.toBool() : control.isEnabled());
}

QRect inWindow(const QWidget& control)
{
    return { control.mapTo(control.window(), QPoint(0, 0)), control.size() };
}

// What keeps `control` out of sight: a container that cuts it off, or a control drawn over it
// (for a frame, another frame).
QStringList obstacles(const QWidget& control)
{
    QStringList found;
    const QRect rect = inWindow(control);
    const QWidget& window = *control.window();
    for (const QWidget* container = control.parentWidget(); container;
         container = container->parentWidget()) {
        if (!inWindow(*container).contains(rect))
            found << u"cut off by "_qs + container->objectName();
    }
    for (const QWidget* other : window.findChildren<QWidget*>()) {
        if (other->objectName().isEmpty() || !other->isVisible() || !drawnAbove(*other, control))
            continue;
        if (isFrame(control) && !isFrame(*other))
            continue;
        if (inWindow(*other).intersects(rect))
            found << u"under "_qs + other->objectName();
    }
    return found;
}

struct Legibility : ConfigView {
    // The configuration frame, or on the gateway the MQTT frame that takes its place.
    QList<QWidget*> viewControls()
    {
        auto& mqtt = tool[FR_MQTT];
        QWidget& view = mqtt.isVisible() ? static_cast<QWidget&>(mqtt) : tool[FR_CFG];
        QList<QWidget*> controls = view.findChildren<QWidget*>();
        if (&view == &tool[FR_CFG])
            controls << &tool[SW_LOGIN_ALL];
        return controls;
    }

    void expectInSight(const std::string& state)
    {
        for (const QWidget* control : viewControls()) {
            if (control->objectName().isEmpty() || !usable(*control))
                continue;
            if (!isInput(*control) && !isFrame(*control))
                continue;
            const QStringList found = obstacles(*control);
            EXPECT_TRUE(found.isEmpty()) << state << ": " << control->objectName().toStdString()
                                         << " " << found.join(u", ").toStdString();
        }
    }
};

std::vector<std::string> records()
{
    std::vector<std::string> all;
    for (const sim::Device& device : sim::allModelsFleet()) {
        const QByteArray text = sim::recordText(device);
        all.emplace_back(text.constData(), static_cast<size_t>(text.size()));
    }
    // The three frames of one place: a Cloud board with the AUX port and a terminal number.
    all.push_back(Record { .mac = "0-80-194-9-0-1",
        .version = "COPYRIGHTxTAVREN KRT-40 CLOUD 2.4F",
        .options = "07\200"
                   "0",
        .login = "TavTER:0042\r" }
                      .text());
    return all;
}

TEST_F(Legibility, EveryUsableControlIsInSightInEveryModelModeAndAuxPort)
{
    for (const std::string& record : records()) {
        for (const bool otherMode : { false, true }) {
            for (const bool otherAux : { false, true }) {
                select(record);
                const auto client = tool[SW_MODE(1)].isChecked() ? SW_MODE(0) : SW_MODE(1);
                if (otherMode && !usable(tool[client]))
                    continue;
                if (otherAux && !usable(tool[SW_AUXRS232]))
                    continue;
                if (otherMode)
                    tool[client].setChecked(true);
                if (otherAux)
                    tool[SW_AUXRS232].toggle();
                const QStringList fields = toText(record).split(u',');
                const std::string board
                    = toBytes(fields.value(0) + u' ' + fields.value(7).section(u' ', -1));
                expectInSight(board + (otherMode ? ", other mode" : "")
                    + (otherAux ? ", AUX port toggled" : ""));
            }
        }
    }
}

} // namespace
