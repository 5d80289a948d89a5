#include "fleet/csv_reader.h"

namespace linknode {

namespace {
    bool isBlank(char c)
    {
        return c == ' ' || c == '\t';
    }
}

CsvReader::CsvReader(const QByteArray& text)
    : text_(text)
{
    if (text_.startsWith("\xEF\xBB\xBF"))
        at_ = 3;
}

std::optional<CsvRecord> CsvReader::next()
{
    if (!fault_.isEmpty())
        return std::nullopt;
    while (skipBlankOrComment()) { }
    if (at_ >= text_.size())
        return std::nullopt;
    CsvRecord record { line_, {} };
    while (true) {
        qsizetype start = at_;
        while (start < text_.size() && isBlank(text_[start]))
            ++start;
        QByteArray field;
        if (start < text_.size() && text_[start] == '"') {
            at_ = start + 1;
            const auto quoted = quotedField();
            if (!quoted)
                return std::nullopt;
            field = *quoted;
        } else {
            while (
                at_ < text_.size() && text_[at_] != ',' && text_[at_] != '\r' && text_[at_] != '\n')
                ++at_;
            field = text_.sliced(start, at_ - start);
        }
        record.fields << QString::fromUtf8(field);
        if (at_ >= text_.size() || text_[at_] != ',')
            break;
        ++at_;
    }
    endLine();
    return record;
}

bool CsvReader::skipBlankOrComment()
{
    qsizetype first = at_;
    while (first < text_.size() && isBlank(text_[first]))
        ++first;
    if (first >= text_.size()) {
        at_ = first;
        return false;
    }
    if (text_[first] != '#' && text_[first] != '\r' && text_[first] != '\n')
        return false;
    at_ = first;
    while (at_ < text_.size() && text_[at_] != '\r' && text_[at_] != '\n')
        ++at_;
    endLine();
    return true;
}

// The value of a quoted field, read from just after its opening quote up to the separator or
// line end after its closing quote.
std::optional<QByteArray> CsvReader::quotedField()
{
    const int opened = line_;
    QByteArray field;
    while (true) {
        if (at_ >= text_.size()) {
            fault_ = QStringLiteral("line %1: a quoted value is not closed").arg(opened);
            return std::nullopt;
        }
        const char c = text_[at_++];
        if (c == '"') {
            if (at_ < text_.size() && text_[at_] == '"') {
                field += '"';
                ++at_;
                continue;
            }
            break;
        }
        // A line break inside the value: CRLF counts once.
        if (c == '\n' || (c == '\r' && (at_ >= text_.size() || text_[at_] != '\n')))
            ++line_;
        field += c;
    }
    while (at_ < text_.size() && isBlank(text_[at_]))
        ++at_;
    if (at_ < text_.size() && text_[at_] != ',' && text_[at_] != '\r' && text_[at_] != '\n') {
        fault_ = QStringLiteral("line %1: text after the closing quote of a value").arg(line_);
        return std::nullopt;
    }
    return field;
}

void CsvReader::endLine()
{
    if (at_ < text_.size() && text_[at_] == '\r')
        ++at_;
    if (at_ < text_.size() && text_[at_] == '\n')
        ++at_;
    ++line_;
}

} // namespace linknode
