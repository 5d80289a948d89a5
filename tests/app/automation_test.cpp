#include "app/automation/automation_driver.h"
#include "app/automation/script.h"
#include "core/clock.h"
#include "core/file_writer.h"
#include "form/scripted_dialogs.h"
#include "tests/support/endless_file.h"
#include "tests/support/file_mode.h"
#include "widgets/change_label.h"
#include "widgets/ip_entry.h"
#include "widgets/list_box.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEventLoop>
#include <QGroupBox>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace linknode {
namespace {

    TEST(ParseScript, ReadsVerbNameAndTextAndTypedKeys)
    {
        using V = Step::Verb;
        const struct {
            const char* line;
            V verb;
            const char* name;
            const char* text;
        } cases[] = { { "  dblclick   AFF_L  ", V::DoubleClick, "AFF_L", "" },
            { "set INP_A  two  blanks ", V::Set, "INP_A", " two  blanks " },
            { "set INP_A", V::Set, "INP_A", "" }, { "set INP_A AB^13^", V::Set, "INP_A", "AB\r" },
            { "answer x^9^  y", V::Answer, "", "x\t  y" }, { "answer", V::Answer, "", "" },
            { "dump out/state.json", V::Dump, "", "out/state.json" } };
        for (const auto& c : cases) {
            const ParsedScript parsed = parseScript(QString::fromUtf8(c.line));
            ASSERT_EQ(parsed.steps.size(), 1u) << c.line << parsed.error.toStdString();
            EXPECT_EQ(parsed.steps[0].verb, c.verb) << c.line;
            EXPECT_EQ(parsed.steps[0].name, QString::fromUtf8(c.name)) << c.line;
            EXPECT_EQ(parsed.steps[0].text, QString::fromUtf8(c.text)) << c.line;
        }

        // Typed keys: special keys, carets and Latin-1.
        std::vector<int> codes;
        QString text;
        for (const TypedKey& key : typedKeys(u"a{Enter}^13^^233^{Backspace}^2^{X}"_s)) {
            codes.push_back(key.key);
            text += key.text;
        }
        EXPECT_EQ(codes,
            (std::vector<int> { Qt::Key_A, Qt::Key_Return, Qt::Key_Return, Qt::Key_Eacute,
                Qt::Key_Backspace, Qt::Key_unknown, Qt::Key_BraceLeft, Qt::Key_X,
                Qt::Key_BraceRight }));
        EXPECT_EQ(text, u"a\r\r\u00e9\b\u0002{X}"_s);

        // Keys held with Ctrl, Shift or Alt, function and arrow keys; an unknown name is text.
        const ParsedScript keys
            = parseScript(u"keys {F5}{Ctrl+S}{Shift+Tab}{Down}{Ctrl+Up}{F13}"_s);
        ASSERT_EQ(keys.steps.size(), 1u) << keys.error.toStdString();
        EXPECT_EQ(keys.steps[0].verb, V::Keys);
        std::vector<std::pair<int, int>> held;
        for (const TypedKey& key : keys.steps[0].keys)
            held.emplace_back(key.key, key.modifiers.toInt());
        const int ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier;
        EXPECT_EQ(held,
            (std::vector<std::pair<int, int>> { { Qt::Key_F5, 0 }, { Qt::Key_S, ctrl },
                { Qt::Key_Backtab, shift }, { Qt::Key_Down, 0 }, { Qt::Key_Up, ctrl },
                { Qt::Key_BraceLeft, 0 }, { Qt::Key_F, 0 }, { Qt::Key_1, 0 }, { Qt::Key_3, 0 },
                { Qt::Key_BraceRight, 0 } }));
        EXPECT_FALSE(parseScript(u"keys"_s).ok());
    }

    TEST(ParseScript, ReadsArgumentsAndSkipsCommentsAndBlankLines)
    {
        const ParsedScript parsed
            = parseScript(u"# setup\r\n\r\n  # indented\r\ncheck SW_X 1\r\ncheck SW_X 0\n"
                          u"select LST 3\nwait 0.5\nwaitfor B hidden\nwaitfor B disabled 2.5\n"
                          u"answer --cancel"_s);
        ASSERT_TRUE(parsed.ok()) << parsed.error.toStdString();
        ASSERT_EQ(parsed.steps.size(), 7u);
        EXPECT_EQ(parsed.steps[0].line, 4);
        EXPECT_EQ(parsed.steps[0].source, u"check SW_X 1"_s);
        EXPECT_EQ(parsed.steps[0].name, u"SW_X"_s);
        EXPECT_TRUE(parsed.steps[0].checked);
        EXPECT_FALSE(parsed.steps[1].checked);
        EXPECT_EQ(parsed.steps[2].index, 3);
        EXPECT_DOUBLE_EQ(parsed.steps[3].seconds, 0.5);
        EXPECT_EQ(parsed.steps[4].state, WaitState::Hidden);
        EXPECT_DOUBLE_EQ(parsed.steps[4].seconds, 30.0);
        EXPECT_EQ(parsed.steps[5].state, WaitState::Disabled);
        EXPECT_DOUBLE_EQ(parsed.steps[5].seconds, 2.5);
        EXPECT_TRUE(parsed.steps[6].cancel);
    }

    TEST(ParseScript, MalformedLineRejectsTheWholeScriptNamingTheLine)
    {
        for (const char* bad : { "frobnicate X", "Click B_GO", "click", "click A B", "check A 2",
                 "check A", "select A -1", "select A x", "wait -1", "wait soon", "waitfor A shown",
                 "waitfor A", "waitfor A visible 1 2", "type A", "dump", "quit now" }) {
            const QString line = QString::fromUtf8(bad);
            const ParsedScript parsed
                = parseScript(u"# first\n\nclick B_GO\n"_s + line + u"\nquit"_s);
            EXPECT_TRUE(parsed.steps.empty()) << bad;
            EXPECT_TRUE(parsed.error.startsWith(u"line 4: "_s) && parsed.error.endsWith(line))
                << parsed.error.toStdString();
        }
    }

    // A window with one control of each kind; B_ASK sits in a hidden frame.
    class Driver : public testing::Test {
    protected:
        Driver()
        {
            window.resize(400, 300);
            auto* frame = add<QGroupBox>(&window, "FR_MAIN", "frame", { 10, 10, 300, 200 });
            frame->setTitle(u"Settings"_s);
            go = add<QPushButton>(frame, "B_GO", "button", { 5, 20, 80, 25 });
            go->setText(u"Go"_s);
            go->setProperty("tag", u"T1"_s);
            go->setToolTip(u"Press"_s);
            QObject::connect(go, &QPushButton::clicked, &window, [this] { ++goClicks; });
            add<QCheckBox>(frame, "SW_X", "checkbox");
            add<QRadioButton>(frame, "SW_MODE(0)", "option")->setChecked(true);
            add<QRadioButton>(frame, "SW_MODE(1)", "option");
            auto* hidden = add<QGroupBox>(&window, "FR_HIDDEN", "frame");
            hidden->hide();
            QObject::connect(add<QPushButton>(hidden, "B_ASK", "button"), &QPushButton::clicked,
                &window, [this] {
                    dialogs.message(u"Done"_s, u"Title"_s, MessageIcon::Exclamation);
                    answers << dialogs.input(u"Name?"_s, u"Ask"_s, u"x"_s).value_or(u"<cancel>"_s);
                });
            add<QLabel>(hidden, "AFF_IN", "label", { 0, 30, 50, 20 })->setText(u"inside"_s);
            add<QLineEdit>(&window, "INP_A", "textbox");
            add<IpEntry>(&window, "INP_IP", "ipentry");
            auto* label = add<ChangeLabel>(&window, "AFF_L", "label");
            QObject::connect(label, &ChangeLabel::clicked, &window, [this] { ++labelClicks; });
            QObject::connect(
                label, &ChangeLabel::doubleClicked, &window, [this] { labelClicks += 10; });
            add<QLabel>(&window, "PIC_P", "picture");
            add<ListBox>(&window, "LST_K", "list")->setItems({ u"a"_s, u"b"_s, u"c"_s });
            add<QComboBox>(&window, "INP_C", "combo")->addItems({ u"N"_s, u"E"_s, u"O"_s });
            add<QComboBox>(&window, "INP_E", "combo")->setEditable(true);
            add<QTimer>(&window, "TIM_T", "timer")->setInterval(300);
            tcp.setObjectName(u"TCP"_s);
            tcp.setProperty("kind", u"socket"_s);
            tcp.setProperty("text", u"255.255.255.255"_s);
            tcp.setProperty("tag", u"12.5"_s);
            window.show();
        }

        template <class T>
        T* add(QWidget* parent, const char* name, const char* kind, QRect pixels = { 0, 0, 60, 20 })
        {
            auto* control = new T(parent);
            control->setObjectName(QString::fromLatin1(name));
            control->setProperty("kind", QString::fromLatin1(kind));
            if constexpr (std::is_base_of_v<QWidget, T>)
                control->setGeometry(pixels);
            return control;
        }

        template <class T = QWidget> T* find(const char* name)
        {
            return window.findChild<T*>(QString::fromLatin1(name));
        }

        int run(const QString& script)
        {
            const QString path = dir.filePath(u"script.txt"_s);
            EXPECT_TRUE(writeWholeFile(path, script.toUtf8(), nullptr));
            AutomationDriver driver(window, dialogs, clock, { &tcp });
            loadError.clear();
            driver.load(path, &loadError);
            testing::internal::CaptureStderr();
            const int status = driver.run();
            errors = QString::fromStdString(testing::internal::GetCapturedStderr());
            return status;
        }

        QJsonObject dump()
        {
            const QString path = dir.filePath(u"state.json"_s);
            EXPECT_EQ(run(u"dump "_s + path), 0) << errors.toStdString();
            QFile file(path);
            EXPECT_TRUE(file.open(QIODevice::ReadOnly));
            return QJsonDocument::fromJson(file.readAll()).object();
        }

        static QByteArray compact(const QJsonValue& value)
        {
            return QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact);
        }

        static QByteArray control(const QJsonObject& state, const QString& name)
        {
            for (const QJsonValue& value : state[u"controls"].toArray())
                if (value[u"name"].toString() == name)
                    return compact(value);
            return {};
        }

        QTemporaryDir dir;
        Clock clock { 20.0 };
        ScriptedDialogs dialogs;
        QWidget window;
        QObject tcp;
        QPushButton* go = nullptr;
        int goClicks = 0;
        int labelClicks = 0;
        QStringList answers;
        QString loadError;
        QString errors;
    };

    TEST_F(Driver, DumpListsControlsInCreationOrderWithTheKeysOfTheirKind)
    {
        find<ListBox>("LST_K")->selectRow(1);
        find<IpEntry>("INP_IP")->setText(u"1.2.3.4"_s);
        const QJsonObject state = dump();
        EXPECT_EQ(state.keys(), (QStringList { u"controls"_s, u"inputs"_s, u"messages"_s }));
        QStringList names;
        for (const QJsonValue& value : state[u"controls"].toArray())
            names << value[u"name"].toString();
        EXPECT_EQ(names.join(u' '),
            u"FR_MAIN B_GO SW_X SW_MODE(0) SW_MODE(1) FR_HIDDEN B_ASK AFF_IN INP_A INP_IP AFF_L "
            u"PIC_P LST_K INP_C INP_E TIM_T TCP"_s);
        EXPECT_EQ(control(state, u"B_GO"_s),
            R"({"enabled":true,"geometry":[75,300,1200,375],"kind":"button","name":"B_GO",)"
            R"("shown":true,"tag":"T1","text":"Go","tooltip":"Press","visible":true})");
        // Visible is the control's own flag; a hidden frame keeps its children off screen.
        EXPECT_EQ(control(state, u"AFF_IN"_s),
            R"({"enabled":true,"geometry":[0,450,750,300],"kind":"label","name":"AFF_IN",)"
            R"("shown":false,"tag":"","text":"inside","tooltip":"","visible":true})");
        const std::tuple<const char*, const char*, bool> keys[] = {
            { "FR_HIDDEN", R"("visible":false)", true },
            { "FR_MAIN", R"("text":"Settings")", true },
            { "SW_MODE(0)", R"("checked":true)", true }, { "INP_IP", R"("text":"1.2.3.4")", true },
            { "LST_K", R"("current":1,)", true }, { "LST_K", R"("items":["a","b","c"])", true },
            { "INP_C", R"("current":0,)", true }, { "INP_E", R"("current":-1,"enabled")", true },
            { "PIC_P", R"("text")", false }, { "B_GO", R"("checked")", false }
        };
        for (const auto& [name, key, held] : keys)
            EXPECT_EQ(control(state, QString::fromLatin1(name)).contains(key), held) << name << key;
        EXPECT_EQ(control(state, u"TIM_T"_s),
            R"({"enabled":false,"interval":300,"kind":"timer","name":"TIM_T"})");
        EXPECT_EQ(control(state, u"TCP"_s),
            R"({"kind":"socket","name":"TCP","tag":"12.5","text":"255.255.255.255"})");
        // A new dump is its owner's alone: it holds the login box, a gateway's password among
        // what it may show.
        if (const auto mode = posixMode(dir.filePath(u"state.json"_s))) {
            EXPECT_EQ(*mode, 0600u);
        }
    }

    TEST_F(Driver, ClickOnHiddenButtonRecordsMessagesAndInputsAndStepsActOnControls)
    {
        EXPECT_EQ(run(u"answer  Bob \nclick B_ASK\nclick B_ASK\nanswer --cancel\nanswer\n"
                      u"click B_ASK\nclick B_ASK\nclick B_GO\nclick SW_MODE(1)\nclick "
                      u"SW_X\ndblclick AFF_L\nclick AFF_L\n"
                      u"check SW_X 0\nselect LST_K 2\nselect INP_C 1\nset INP_A  a b\n"
                      u"set AFF_L caption\nset INP_IP 10.1.2.3\nset INP_C O\nset INP_E free\n"
                      u"set FR_MAIN Title\n"_s),
            0)
            << errors.toStdString();
        EXPECT_EQ(answers.join(u'|'), u" Bob |<cancel>|<cancel>|"_s);
        const QJsonObject state = dump();
        const QJsonArray messages = state[u"messages"].toArray();
        ASSERT_EQ(messages.size(), 4);
        EXPECT_EQ(compact(messages[0]), R"({"icon":"exclamation","text":"Done","title":"Title"})");
        const QJsonArray inputs = state[u"inputs"].toArray();
        ASSERT_EQ(inputs.size(), 4);
        EXPECT_EQ(compact(inputs[0]),
            R"({"answer":" Bob ","default":"x","prompt":"Name?","title":"Ask"})");
        EXPECT_TRUE(inputs[1][u"answer"].isNull() && inputs[2][u"answer"].isNull());
        EXPECT_EQ(inputs[3][u"answer"], u""_s);
        EXPECT_EQ(goClicks, 1);
        EXPECT_EQ(labelClicks, 11);
        const std::tuple<const char*, const char*, QVariant> after[]
            = { { "SW_MODE(1)", "checked", true }, { "SW_MODE(0)", "checked", false },
                  { "SW_X", "checked", false }, { "LST_K", "text", u"c"_s },
                  { "INP_A", "text", u" a b"_s }, { "AFF_L", "text", u"caption"_s },
                  { "INP_IP", "text", u"10.1.2.3"_s }, { "INP_C", "currentIndex", 2 },
                  { "INP_E", "currentText", u"free"_s }, { "FR_MAIN", "title", u"Title"_s } };
        for (const auto& [name, property, value] : after)
            EXPECT_EQ(find(name)->property(property), value) << name << " " << property;
    }

    // Counts the focus-out events a widget receives, real or sent by the driver.
    struct FocusOuts : QObject {
        int count = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            count += event->type() == QEvent::FocusOut;
            return false;
        }
    };

    TEST_F(Driver, TypeGoesThroughKeyFiltersFocusMovesItAndWaitforWaitsForTheState)
    {
        FocusOuts lost;
        find("INP_A")->installEventFilter(&lost);
        EXPECT_EQ(
            run(u"type INP_A ^201^t{Tab}z\nfocus INP_A\ntype INP_IP 10.0.x0.78{Backspace}\n"_s), 0)
            << errors.toStdString();
        EXPECT_EQ(find<QLineEdit>("INP_A")->text(), QString(QChar(0xc9)) + u"t"_s);
        EXPECT_EQ(find<IpEntry>("INP_IP")->text(), u"10.0.0.7"_s);
        EXPECT_EQ(lost.count, 2);
        // A control that cannot hold the real focus gets it as a handler call would: the
        // previous control loses it.
        EXPECT_EQ(run(u"focus INP_A\nfocus AFF_IN\ntype PIC_P 1\n"_s), 0) << errors.toStdString();
        EXPECT_EQ(lost.count, 3);

        // A waitfor step goes on when the state comes.
        QTimer::singleShot(30, go, &QWidget::hide);
        EXPECT_EQ(run(u"waitfor B_GO visible 0\nwaitfor B_GO hidden 60\nclick SW_X\n"_s), 0)
            << errors.toStdString();
        EXPECT_TRUE(find<QCheckBox>("SW_X")->isChecked());
    }

    TEST_F(Driver, FailingStepsStopTheScriptWithStatus2)
    {
        const struct {
            QString script;
            QString error;
        } cases[] = { { u"click B_NOPE\nclick B_GO"_s,
                          u"line 1: unknown control \"B_NOPE\": click B_NOPE"_s },
            { u"set INP_C nothing\nclick B_GO"_s, u"line 1: INP_C (combo) has no item"_s },
            { u"click B_GO\nselect LST_K 3"_s, u"line 2: LST_K (list) has no line with that"_s },
            { u"check B_GO 1"_s, u"line 1: B_GO (button) cannot be checked"_s },
            { u"click PIC_P"_s, u"line 1: PIC_P (picture) cannot be clicked"_s },
            { u"set TCP 1.2.3.4"_s, u"line 1: TCP (socket) has no text that can be set"_s },
            { u"dump "_s + dir.filePath(u"no/such/dir/x.json"_s), u"line 1: cannot write"_s },
            { u"waitfor FR_HIDDEN enabled\nwaitfor FR_HIDDEN visible 1\nclick B_GO"_s,
                u"line 2: FR_HIDDEN did not become visible within 1 s"_s },
            { u"waitfor TIM_T disabled 1\nwaitfor TCP visible 1\nclick B_GO"_s,
                u"line 2: TCP cannot be visible"_s },
            // A malformed line stops the script before any step runs.
            { u"click B_GO\ncheck SW_X maybe"_s, u"line 2: malformed step"_s } };
        for (const auto& c : cases) {
            EXPECT_EQ(run(c.script), 2) << c.script.toStdString();
            EXPECT_TRUE((errors + loadError).contains(c.error))
                << (errors + loadError).toStdString();
        }
        // A script that never ends is read no further than one byte past 64 MiB.
        if (!endlessFile().isEmpty()) {
            AutomationDriver endless(window, dialogs, clock, {});
            EXPECT_FALSE(endless.load(endlessFile(), &loadError));
            EXPECT_EQ(loadError, u"cannot read "_s + endlessFile() + u": larger than 64 MiB"_s);
            EXPECT_EQ(endless.run(), 2);
        }

        // The window closing under the script ends the program as the shell does (status 0 at
        // that moment); the script's 2 is what the program returns.
        auto* close = add<QPushButton>(&window, "B_CLOSE", "button");
        QEventLoop program;
        QObject::connect(close, &QPushButton::clicked, &window, [&] {
            clock.abortWaits();
            program.exit(0);
        });
        int status = -1;
        QTimer::singleShot(0, &window, [&] { status = run(u"click B_CLOSE\nclick B_GO"_s); });
        EXPECT_EQ(program.exec(), 2);
        EXPECT_EQ(status, 2);
        EXPECT_TRUE(errors.contains(u"line 1: the window closed during this step"_s))
            << errors.toStdString();
        EXPECT_EQ(goClicks, 1) << "no step runs after a failing one";
    }

    TEST_F(Driver, ScreenshotThenQuitWhichClosesTheWindowAndEndsTheScript)
    {
        const QString path = dir.filePath(u"shot.png"_s);
        EXPECT_EQ(run(u"screenshot "_s + path + u"\nclick B_GO\nquit\nclick B_GO\n"_s), 0);
        EXPECT_EQ(QImage(path, "PNG").size(), window.size() * window.devicePixelRatio());
        EXPECT_EQ(goClicks, 1);
        EXPECT_FALSE(window.isVisible());
    }

    TEST(ScriptedDialogsEcho, PrintsEachMessageBox)
    {
        ScriptedDialogs dialogs(true);
        testing::internal::CaptureStderr();
        dialogs.message(u"ERROR DOUBLE IP: 1.2.3.4"_s, u"LINKNODE"_s, MessageIcon::Critical);
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "MESSAGE [LINKNODE] ERROR DOUBLE IP: 1.2.3.4\n");
        EXPECT_EQ(iconName(dialogs.messages()[0].icon), u"critical"_s);
    }

} // namespace
} // namespace linknode
