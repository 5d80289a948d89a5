// In every state the window takes, nothing is half-covered: two controls in sight overlap only
// when one holds the other or one lies wholly behind an opaque control drawn above it; what a
// user is offered lies inside the window at its design size; and whatever a frame holds lies
// in the frame's contents, below its title. On every model's view, in each socket mode and with
// the AUX port either way, every control a technician can use in the view is in sight. All of
// it at each step of the zoom.
#include "form/layout_table.h"
#include "form/zoom.h"
#include "tests/config/view_fixture.h"
#include "tests/support/widget_stacking.h"

#include <QGroupBox>
#include <QPixmap>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTimer>

using namespace linknode;
using namespace linknode::test;

namespace {

// Kept below the window's bottom edge, seen only when the window is enlarged.
const QStringList belowTheEdge { QStringLiteral("Command1"), QStringLiteral("Command2"),
    QStringLiteral("INP_UNLOCK_255"), QStringLiteral("SW_BYPASSAUTOBOOT"),
    QStringLiteral("LABEL_UDP_TX_MASK(1)") };

// docs/make-screenshots sets this to keep pictures of the states no script can stop in.
void keepPicture(QWidget& window, const char* name)
{
    const QString folder = qEnvironmentVariable("LINKNODE_PICTURES");
    if (!folder.isEmpty())
        window.grab().save(folder + u'/' + QLatin1String(name));
}

struct WindowStates : ConfigView, testing::WithParamInterface<int> {
    WindowStates()
        : ConfigView(50.0)
    {
        tool.app.form.setZoom(GetParam());
    }

    void expectNothingHalfCovered(const std::string& state)
    {
        const QList<const QWidget*> seen = controlsInSight(tool.app.form);
        const QRect window = zoomedPixels(QRect(0, 0, windowWidth, windowHeight), GetParam());
        for (const QWidget* control : seen) {
            const std::string name = control->objectName().toStdString();
            const QRect rect = inWindow(*control);
            for (const QWidget* other : seen) {
                if (other <= control || control->isAncestorOf(other)
                    || other->isAncestorOf(control))
                    continue;
                EXPECT_FALSE(rect.intersects(inWindow(*other)))
                    << state << ": " << name << " overlaps " << other->objectName().toStdString();
            }
            if (isInput(*control) && !belowTheEdge.contains(control->objectName())) {
                EXPECT_TRUE(window.contains(rect))
                    << state << ": " << name << " outside the window";
            }
            if (auto* frame = qobject_cast<const QGroupBox*>(control->parentWidget())) {
                EXPECT_TRUE(
                    groupBoxPart(*frame, QStyle::SC_GroupBoxContents).contains(control->geometry()))
                    << state << ": " << name << " outside the contents of "
                    << frame->objectName().toStdString();
            }
        }
        // The view is the configuration frame, or on the gateway the MQTT frame over it.
        auto& mqtt = tool[FR_MQTT];
        QWidget& view = mqtt.isVisible() ? static_cast<QWidget&>(mqtt) : tool[FR_CFG];
        QList<QWidget*> offered = view.findChildren<QWidget*>();
        offered << &tool[SW_LOGIN_ALL];
        for (const QWidget* control : offered) {
            const bool frame = control->property("kind").toString() == QLatin1String("frame");
            if ((isInput(*control) || frame) && control->isVisible() && enabledForUser(*control)) {
                EXPECT_TRUE(seen.contains(control))
                    << state << ": " << control->objectName().toStdString() << " is covered";
            }
        }
    }
};

// Every model, and a Cloud board with the AUX port and a terminal number: the three frames of
// one place.
std::vector<std::string> records()
{
    std::vector<std::string> all = fleetRecords();
    all.push_back(Record { .mac = "0-80-194-9-0-1",
        .version = "COPYRIGHTxTAVREN KRT-40 CLOUD 2.4F",
        .options = "07\2000",
        .login = "TavTER:0042\r" }
                      .text());
    return all;
}

TEST_P(WindowStates, NothingIsHalfCoveredInAnyState)
{
    expectNothingHalfCovered("start");
    for (const std::string& record : records()) {
        for (const bool otherMode : { false, true }) {
            for (const bool otherAux : { false, true }) {
                select(record);
                auto& other = tool[tool[SW_MODE(1)].isChecked() ? SW_MODE(0) : SW_MODE(1)];
                auto& aux = tool[SW_AUXRS232];
                if ((otherMode && !(other.isVisible() && enabledForUser(other)))
                    || (otherAux && !(aux.isVisible() && aux.isEnabled())))
                    continue;
                if (otherMode)
                    other.setChecked(true);
                if (otherAux)
                    aux.toggle();
                expectNothingHalfCovered(record.substr(0, record.find(',')) + " "
                    + tool[AFF_VER].text().toStdString() + (otherMode ? ", other mode" : "")
                    + (otherAux ? ", AUX port toggled" : ""));
            }
        }
    }
    select(fleetRecords().back());
    tool[SW_LOGIN_ALL].setChecked(true);
    expectNothingHalfCovered("broadcast switch ticked");
    tool[SW_LOGIN_ALL].setChecked(false);
    tool[INP_PW].setText(QStringLiteral("MARBLE KEY"));
    expectNothingHalfCovered("service frame shown");

    // The wait frame stands where the device list was.
    bool looked = false;
    QTimer during;
    QObject::connect(&during, &QTimer::timeout, &tool.app.form, [&] {
        if (!looked && !tool[FR_UPD_WAIT].isHidden()) {
            looked = true;
            expectNothingHalfCovered("during a save");
        }
        if (GetParam() == kSmallestZoom
            && tool[PRG_UPD_WAIT].value() == tool[PRG_UPD_WAIT].maximum() / 2)
            keepPicture(*tool.app.form.window(), "saving.png");
    });
    during.start(1);
    tool.app.save.B_UPDATE_Click();
    EXPECT_TRUE(looked);
}

INSTANTIATE_TEST_SUITE_P(EveryZoom, WindowStates, testing::ValuesIn(kZoomSteps));

} // namespace
