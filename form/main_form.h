#pragma once

#include <QHash>
#include <QWidget>

class QTimer;

namespace linknode {

// F_MAIN: builds and owns every control of the window, each named after its control name.
// Behaviour lives in the controllers, which look controls up here.
class MainForm : public QWidget {
    Q_OBJECT
public:
    explicit MainForm(QWidget* parent = nullptr);

    QObject* find(const QString& name) const { return controls_.value(name); }

    // The control `name` as a T; a missing or mistyped name is a programming error.
    template <class T = QWidget> T& get(const char* name) const
    {
        T* control = qobject_cast<T*>(find(QString::fromLatin1(name)));
        if (!control)
            missingControl(name);
        return *control;
    }

signals:
    // The user (or the automation) closes the window: Form_Unload runs on this.
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    [[noreturn]] static void missingControl(const char* name);
    void build();
    void setPictures();

    QHash<QString, QObject*> controls_;
    bool closing_ = false;
};

} // namespace linknode
