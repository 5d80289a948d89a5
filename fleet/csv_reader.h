#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// Reads CSV as spreadsheets save it: RFC 4180 fields separated by ",", a field in double
// quotes holding commas, line breaks and doubled quotes; records ended by CRLF, LF or CR; a
// UTF-8 byte order mark at the start skipped. Blank lines and lines starting with "#" are
// skipped. Unquoted fields keep their blanks; blanks around a quoted field are dropped.
namespace linknode {

struct CsvRecord {
    int line = 0; // where the record starts, from 1
    QStringList fields;
};

class CsvReader {
public:
    explicit CsvReader(const QByteArray& text);

    // The next record; none at the end of the text, or when the text cannot be read on from
    // here (then fault() says why).
    std::optional<CsvRecord> next();
    // "line 7: a quoted value is not closed"; empty while the text reads.
    const QString& fault() const { return fault_; }

private:
    bool skipBlankOrComment();
    std::optional<QByteArray> quotedField();
    void endLine();

    QByteArray text_;
    qsizetype at_ = 0;
    int line_ = 1;
    QString fault_;
};

} // namespace linknode
