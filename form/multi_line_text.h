#pragma once

#include <QPlainTextEdit>

namespace linknode {

// A multi-line text box whose `text` is kept exactly as set (CR LF line ends included).
class MultiLineText : public QPlainTextEdit {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
public:
    using QPlainTextEdit::QPlainTextEdit;

    QString text() const { return text_; }
    void setText(const QString& text)
    {
        text_ = text;
        QString shown = text;
        setPlainText(shown.remove(u'\r'));
    }

private:
    QString text_;
};

} // namespace linknode
