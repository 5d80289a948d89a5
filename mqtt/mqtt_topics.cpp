#include "mqtt/mqtt_topics.h"

#include "core/utf8_text.h"
#include "mqtt/mqtt_payload.h"

#include <algorithm>
#include <mosquitto.h>
#include <utility>
#include <vector>

namespace linknode {

namespace {

    const QChar macCode = u'M';
    const QChar versionCode = u'6';

    // A placeholder or a run of text of a template.
    struct Piece {
        QString text; // as written: the text, or the placeholder ("%S00")
        QChar code; // the placeholder's letter or digit; null for text
    };

    bool isDigit(QChar c)
    {
        return c >= u'0' && c <= u'9';
    }

    // The length of the placeholder at `i`, 0 for none. The placeholders are "%1", "%M", "%2",
    // "%S" and two digits, "%3", "%4", "%R", "%5", "%B" and "%6"; an unknown "%x", a "%S"
    // without two digits and a "%" at the end are text, as the gateway leaves them.
    qsizetype placeholderAt(const QString& text, qsizetype i)
    {
        if (text[i] != u'%' || i + 1 >= text.size())
            return 0;
        const QChar code = text[i + 1];
        if (code == u'S')
            return i + 3 < text.size() && isDigit(text[i + 2]) && isDigit(text[i + 3]) ? 4 : 0;
        return QStringView(u"1M234R5B6").contains(code) ? 2 : 0;
    }

    std::vector<Piece> piecesOf(const QString& text)
    {
        std::vector<Piece> pieces;
        QString run;
        for (qsizetype i = 0; i < text.size();) {
            const qsizetype length = placeholderAt(text, i);
            if (length == 0) {
                run += text[i++];
                continue;
            }
            if (!run.isEmpty())
                pieces.push_back({ std::exchange(run, {}), {} });
            pieces.push_back({ text.mid(i, length), text[i + 1] });
            i += length;
        }
        if (!run.isEmpty())
            pieces.push_back({ run, {} });
        return pieces;
    }

    bool holds(const std::vector<Piece>& pieces, QChar code)
    {
        return std::any_of(
            pieces.begin(), pieces.end(), [&](const Piece& piece) { return piece.code == code; });
    }

    // The template with the known values in place (the MAC in `mac`'s form) and `unknown`
    // for every other placeholder: Latin-1 characters, one a byte.
    QString filled(const std::vector<Piece>& pieces, const KnownPlaceholders& known,
        const QByteArray& mac, const QString& unknown)
    {
        QString text;
        for (const Piece& piece : pieces) {
            if (piece.code.isNull())
                text += piece.text;
            else if (piece.code == macCode && !mac.isEmpty())
                text += QString::fromLatin1(mac);
            else if (piece.code == versionCode && !known.version.isEmpty())
                text += QString::fromLatin1(known.version);
            else
                text += unknown;
        }
        return text;
    }

    // The forms of %M a subscription or a match takes: one empty form where the MAC is not
    // known, so the placeholder stands for any text.
    QList<QByteArray> formsFor(const std::vector<Piece>& pieces, const KnownPlaceholders& known)
    {
        return holds(pieces, macCode) && !known.mac.isEmpty() ? known.mac
                                                              : QList<QByteArray> { {} };
    }

    // A pattern of the texts the template gives, over Latin-1 characters: a known value as
    // itself (the MAC in any of its forms), another placeholder as any text (in a topic,
    // within its level).
    QRegularExpression patternOf(
        const std::vector<Piece>& pieces, const KnownPlaceholders& known, bool topic)
    {
        const QString any = topic ? QStringLiteral("[^/]*") : QStringLiteral(".*");
        QStringList macs;
        for (const QByteArray& form : known.mac)
            macs << QRegularExpression::escape(QString::fromLatin1(form));
        QString pattern;
        for (const Piece& piece : pieces) {
            if (piece.code.isNull())
                pattern += QRegularExpression::escape(piece.text);
            else if (piece.code == macCode && !macs.isEmpty())
                pattern += QStringLiteral("(?:") + macs.join(u'|') + u')';
            else if (piece.code == versionCode && !known.version.isEmpty())
                pattern += QRegularExpression::escape(QString::fromLatin1(known.version));
            else
                pattern += any;
        }
        return QRegularExpression(QRegularExpression::anchoredPattern(pattern),
            QRegularExpression::DotMatchesEverythingOption);
    }

    // Why a broker takes no topic of these bytes; "" when it takes it.
    QString publishedTopicProblem(const QByteArray& topic)
    {
        if (topic.isEmpty())
            return QStringLiteral("is empty");
        if (!isMqttText(std::string_view(topic.constData(), static_cast<size_t>(topic.size()))))
            return QStringLiteral("is no UTF-8 text without control characters");
        if (topic.contains('+') || topic.contains('#'))
            return QStringLiteral("holds a wildcard (+ or #), which no published topic may hold");
        if (mosquitto_pub_topic_check2(topic.constData(), static_cast<size_t>(topic.size()))
            != MOSQ_ERR_SUCCESS)
            return QStringLiteral("is longer than a topic may be");
        return {};
    }

    // A topic as a person reads it: UTF-8, a byte that is none as "\xNN", in quotes.
    QString quoted(const QString& latin1)
    {
        return u'"' + mqttText(latin1.toLatin1()) + u'"';
    }

} // namespace

QList<QByteArray> macForms(const std::array<quint8, 6>& mac)
{
    const QByteArray bytes(reinterpret_cast<const char*>(mac.data()), std::ssize(mac));
    QByteArray decimal;
    for (const quint8 byte : mac)
        decimal += (decimal.isEmpty() ? "" : "-") + QByteArray::number(byte);
    return { bytes.toHex().toUpper(), bytes.toHex(), bytes.toHex(':').toUpper(), bytes.toHex(':'),
        bytes.toHex('-').toUpper(), decimal };
}

MessageTemplate::MessageTemplate(
    const QString& topic, const QString& payload, const KnownPlaceholders& known)
{
    const std::vector<Piece> topicPieces = piecesOf(topic);
    const std::vector<Piece> payloadPieces = piecesOf(payload);
    macInTopic_ = holds(topicPieces, macCode) && !known.mac.isEmpty();
    macInPayload_ = holds(payloadPieces, macCode) && !known.mac.isEmpty();
    topicPattern_ = patternOf(topicPieces, known, true);
    payloadPattern_ = patternOf(payloadPieces, known, false);

    // The template's own fault first, then one of a value the gateway puts in.
    const QString stand = QStringLiteral("0");
    const QString own = publishedTopicProblem(filled(topicPieces, {}, {}, stand).toLatin1());
    if (!own.isEmpty()) {
        topicProblem_ = quoted(topic) + u' ' + own;
        return;
    }
    // A level holding a placeholder of unknown value becomes "+": a stand-in that no topic
    // holds marks it.
    const QString unknown(1, QChar(0));
    for (const QByteArray& mac : formsFor(topicPieces, known)) {
        const QString sample = filled(topicPieces, known, mac, stand);
        if (const QString problem = publishedTopicProblem(sample.toLatin1()); !problem.isEmpty()) {
            topicProblem_ = QStringLiteral("%1 gives %2 with the gateway's version, and that %3")
                                .arg(quoted(topic), quoted(sample), problem);
            subscriptions_.clear();
            return;
        }
        QStringList levels
            = QString::fromUtf8(filled(topicPieces, known, mac, unknown).toLatin1()).split(u'/');
        for (QString& level : levels)
            if (level.contains(unknown))
                level = QStringLiteral("+");
        const QString subscription = levels.join(u'/');
        if (!subscriptions_.contains(subscription))
            subscriptions_ << subscription;
    }
}

bool MessageTemplate::fitsTopic(const QString& topic) const
{
    return topicPattern_.match(QString::fromLatin1(topic.toUtf8())).hasMatch();
}

bool MessageTemplate::fitsPayload(const QByteArray& payload) const
{
    return payloadPattern_.match(QString::fromLatin1(payload)).hasMatch();
}

bool MessageTemplate::isGateways(const QByteArray& payload) const
{
    return macInTopic_ || (macInPayload_ && fitsPayload(payload));
}

QString subscriptionProblem(const QString& pattern)
{
    const QByteArray bytes = pattern.toUtf8();
    if (bytes.isEmpty())
        return QStringLiteral("it is empty");
    if (!isMqttText(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size()))))
        return QStringLiteral("it holds a control character");
    if (mosquitto_sub_topic_check2(bytes.constData(), static_cast<size_t>(bytes.size()))
        != MOSQ_ERR_SUCCESS)
        return QStringLiteral("a wildcard stands with other text in its level, or # is not last");
    return {};
}

} // namespace linknode
