#pragma once

#include <QString>

// Device bytes shown to a person: nothing that moves a terminal's cursor, nothing too long.
namespace linknode {

// `text` with each control character in caret form.
QString caretForm(const QString& text);
// `text` cut to `width` characters, the last of them "…" when anything was cut.
QString cutText(const QString& text, qsizetype width);
// `text` cut to `width` characters by taking out its middle, "…" in its place: the start and
// the end of a topic stay, where topics of one scheme differ.
QString cutMiddle(const QString& text, qsizetype width);
// "1 device", "2 devices".
QString counted(qsizetype count, const QString& one, const QString& many);

} // namespace linknode
