#include "form/accessibility.h"

#include "form/accessible_names.h"
#include "form/main_form.h"
#include "widgets/in_sight.h"
#include "widgets/reading_order.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

namespace linknode {

namespace {
    // Nothing to read: a connector line, a label without text or picture.
    bool saysNothing(const QWidget& control)
    {
        if (const auto* label = qobject_cast<const QLabel*>(&control))
            return label->text().isEmpty() && label->pixmap().isNull();
        if (control.metaObject() == &QFrame::staticMetaObject) {
            const auto shape = static_cast<const QFrame&>(control).frameShape();
            return shape == QFrame::HLine || shape == QFrame::VLine;
        }
        return false;
    }

    class AccessibleContainer : public QAccessibleWidget {
    public:
        using QAccessibleWidget::QAccessibleWidget;

        int childCount() const override { return static_cast<int>(offered().size()); }
        QAccessibleInterface* child(int index) const override
        {
            const QList<QWidget*> children = offered();
            if (index < 0 || index >= children.size())
                return nullptr;
            return QAccessible::queryAccessibleInterface(children[index]);
        }
        int indexOfChild(const QAccessibleInterface* child) const override
        {
            if (!child)
                return -1;
            return static_cast<int>(offered().indexOf(child->object()));
        }

    protected:
        virtual QList<QWidget*> held() const
        {
            QList<QWidget*> children;
            for (QObject* object : widget()->children()) {
                auto* control = qobject_cast<QWidget*>(object);
                if (control && !control->isWindow())
                    children << control;
            }
            return children;
        }

    private:
        QList<QWidget*> offered() const
        {
            QList<QWidget*> seen;
            for (QWidget* control : held()) {
                if (inSight(*control) && !saysNothing(*control))
                    seen << control;
            }
            return inReadingOrder(seen);
        }
    };

    // Named by its own title, not by the frame around it.
    class AccessibleFrame : public AccessibleContainer {
    public:
        explicit AccessibleFrame(QGroupBox* frame)
            : AccessibleContainer(frame, QAccessible::Grouping)
        {
        }

        QString text(QAccessible::Text kind) const override
        {
            if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
                return static_cast<const QGroupBox*>(widget())->title().simplified();
            return AccessibleContainer::text(kind);
        }
    };

    // Its four boxes; the dots between them and the stored mask switch are not controls.
    class AccessibleIpEntry : public AccessibleContainer {
    public:
        explicit AccessibleIpEntry(IpEntry* entry)
            : AccessibleContainer(entry, QAccessible::Grouping)
        {
        }

    protected:
        QList<QWidget*> held() const override
        {
            QList<QWidget*> boxes;
            for (int index = 0; index < IpEntry::kBoxCount; ++index)
                boxes << static_cast<const IpEntry*>(widget())->box(index);
            return boxes;
        }
    };

    // "Device count", its value the number: the digits are pictures.
    class AccessibleCounter : public QAccessibleWidget, public QAccessibleValueInterface {
    public:
        explicit AccessibleCounter(CounterDisplay* counter)
            : QAccessibleWidget(counter, QAccessible::StaticText)
        {
        }

        int childCount() const override { return 0; }
        QAccessibleInterface* child(int) const override { return nullptr; }
        int indexOfChild(const QAccessibleInterface*) const override { return -1; }
        QString text(QAccessible::Text kind) const override
        {
            if (kind == QAccessible::Value)
                return QString::number(number());
            return QAccessibleWidget::text(kind);
        }
        void* interface_cast(QAccessible::InterfaceType type) override
        {
            if (type == QAccessible::ValueInterface)
                return static_cast<QAccessibleValueInterface*>(this);
            return QAccessibleWidget::interface_cast(type);
        }

        QVariant currentValue() const override { return number(); }
        void setCurrentValue(const QVariant&) override { }
        QVariant maximumValue() const override { return std::max(number(), 9999); }
        QVariant minimumValue() const override { return 0; }
        QVariant minimumStepSize() const override { return 1; }

    private:
        int number() const { return static_cast<const CounterDisplay*>(widget())->value(); }
    };

    // Named by the table, its value the choice shown. Qt names a combo box by its value on
    // Linux and leaves the name to a label beside it, which these boxes do not have.
    class AccessibleComboBox : public QAccessibleWidget {
    public:
        explicit AccessibleComboBox(QComboBox* box)
            : QAccessibleWidget(box, QAccessible::ComboBox)
        {
        }

        // The list of choices, and the box typed into where the text may be edited.
        int childCount() const override { return box()->isEditable() ? 2 : 1; }
        QAccessibleInterface* child(int index) const override
        {
            if (index == 0)
                return QAccessible::queryAccessibleInterface(box()->view());
            if (index == 1 && box()->isEditable())
                return QAccessible::queryAccessibleInterface(box()->lineEdit());
            return nullptr;
        }
        int indexOfChild(const QAccessibleInterface* child) const override
        {
            for (int index = 0; child && index < childCount(); ++index) {
                if (this->child(index)->object() == child->object())
                    return index;
            }
            return -1;
        }
        // The box itself keeps the focus for the text typed into it.
        QAccessibleInterface* focusChild() const override
        {
            return box()->isEditable() && box()->hasFocus() ? child(1) : nullptr;
        }
        QString text(QAccessible::Text kind) const override
        {
            if (kind == QAccessible::Value)
                return box()->currentText();
            return QAccessibleWidget::text(kind);
        }
        QAccessible::State state() const override
        {
            QAccessible::State state = QAccessibleWidget::state();
            state.expandable = true;
            state.expanded = box()->view()->isVisible();
            state.editable = box()->isEditable();
            return state;
        }

        QStringList actionNames() const override
        {
            return QStringList { showMenuAction() } + QAccessibleWidget::actionNames();
        }
        void doAction(const QString& action) override
        {
            if (action == showMenuAction())
                box()->showPopup();
            else
                QAccessibleWidget::doAction(action);
        }

    private:
        QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
    };

    QAccessibleInterface* interfaceOf(const QString& className, QObject* object)
    {
        if (className == QLatin1String("linknode::MainForm"))
            return new AccessibleContainer(static_cast<QWidget*>(object), QAccessible::Window);
        if (className == QLatin1String("QGroupBox"))
            return new AccessibleFrame(static_cast<QGroupBox*>(object));
        if (className == QLatin1String("linknode::IpEntry"))
            return new AccessibleIpEntry(static_cast<IpEntry*>(object));
        if (className == QLatin1String("QComboBox"))
            return new AccessibleComboBox(static_cast<QComboBox*>(object));
        if (className == QLatin1String("linknode::CounterDisplay"))
            return new AccessibleCounter(static_cast<CounterDisplay*>(object));
        return nullptr;
    }
}

void offerWhatIsSeen()
{
    // Once for the program, which may build more than one form (the tests do).
    [[maybe_unused]] static const bool installed = (QAccessible::installFactory(interfaceOf), true);
}

void nameControls(MainForm& form)
{
    for (const auto& [control, name] : accessibleNames) {
        QWidget& widget = form[control];
        const QString text = QString::fromLatin1(name);
        widget.setAccessibleName(text);
        if (auto* entry = qobject_cast<IpEntry*>(&widget)) {
            for (int index = 0; index < IpEntry::kBoxCount; ++index)
                entry->box(index)->setAccessibleName(
                    QStringLiteral("%1, octet %2").arg(text).arg(index + 1));
        }
        if (auto* combo = qobject_cast<QComboBox*>(&widget); combo && combo->isEditable())
            combo->lineEdit()->setAccessibleName(text);
    }
}

} // namespace linknode
