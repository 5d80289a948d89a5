#include "app/automation/script.h"

#include "core/latin1.h"
#include "core/text_fields.h"

#include <QStringList>
#include <cmath>
#include <optional>
#include <utility>

namespace linknode {

namespace {
    // Caret codes (^13^) stand for bytes that cannot be typed into a script.
    QString expandCarets(const QString& text)
    {
        return toText(linknode::expandCarets(toBytes(text)));
    }

    using Verb = Step::Verb;

    struct VerbSpec {
        QLatin1String word;
        Verb verb;
        QLatin1String usage;
    };

    constexpr VerbSpec verbs[] = {
        { QLatin1String("click"), Verb::Click, QLatin1String("click NAME") },
        { QLatin1String("dblclick"), Verb::DoubleClick, QLatin1String("dblclick NAME") },
        { QLatin1String("set"), Verb::Set, QLatin1String("set NAME TEXT") },
        { QLatin1String("type"), Verb::Type, QLatin1String("type NAME TEXT") },
        { QLatin1String("keys"), Verb::Keys, QLatin1String("keys TEXT") },
        { QLatin1String("check"), Verb::Check, QLatin1String("check NAME 0|1") },
        { QLatin1String("select"), Verb::Select, QLatin1String("select NAME INDEX") },
        { QLatin1String("focus"), Verb::Focus, QLatin1String("focus NAME") },
        { QLatin1String("answer"), Verb::Answer, QLatin1String("answer TEXT | answer --cancel") },
        { QLatin1String("wait"), Verb::Wait, QLatin1String("wait SECONDS") },
        { QLatin1String("waitfor"), Verb::WaitFor,
            QLatin1String("waitfor NAME visible|hidden|enabled|disabled [TIMEOUT]") },
        { QLatin1String("dump"), Verb::Dump, QLatin1String("dump FILE") },
        { QLatin1String("screenshot"), Verb::Screenshot, QLatin1String("screenshot FILE") },
        { QLatin1String("quit"), Verb::Quit, QLatin1String("quit") },
    };

    constexpr double defaultWaitForTimeout = 30.0;

    bool isBlank(QChar c)
    {
        return c == u' ' || c == u'\t';
    }

    // The first word (leading blanks skipped) and what follows the one blank after it.
    std::pair<QString, QString> splitWord(QStringView text)
    {
        qsizetype begin = 0;
        while (begin < text.size() && isBlank(text[begin]))
            ++begin;
        qsizetype end = begin;
        while (end < text.size() && !isBlank(text[end]))
            ++end;
        const QStringView rest = end < text.size() ? text.mid(end + 1) : QStringView();
        return { text.mid(begin, end - begin).toString(), rest.toString() };
    }

    std::optional<double> seconds(const QString& word)
    {
        bool ok = false;
        const double value = word.toDouble(&ok);
        if (!ok || !std::isfinite(value) || value < 0)
            return std::nullopt;
        return value;
    }

    std::optional<WaitState> waitState(const QString& word)
    {
        if (word == u"visible")
            return WaitState::Visible;
        if (word == u"hidden")
            return WaitState::Hidden;
        if (word == u"enabled")
            return WaitState::Enabled;
        if (word == u"disabled")
            return WaitState::Disabled;
        return std::nullopt;
    }

    // Fills the step's arguments from `rest` (the line after the verb); false when they do not
    // fit the verb.
    bool readArguments(Step& step, const QString& rest)
    {
        const QStringList words = rest.simplified().split(u' ', Qt::SkipEmptyParts);
        switch (step.verb) {
        case Verb::Click:
        case Verb::DoubleClick:
        case Verb::Focus:
            if (words.size() != 1)
                return false;
            step.name = words[0];
            return true;
        case Verb::Set:
        case Verb::Type: {
            auto [name, text] = splitWord(rest);
            if (name.isEmpty() || (step.verb == Verb::Type && text.isEmpty()))
                return false;
            step.name = name;
            if (step.verb == Verb::Type)
                step.keys = typedKeys(text);
            else
                step.text = expandCarets(text);
            return true;
        }
        case Verb::Keys:
            step.keys = typedKeys(rest);
            return !step.keys.empty();
        case Verb::Check:
            if (words.size() != 2 || (words[1] != u"0" && words[1] != u"1"))
                return false;
            step.name = words[0];
            step.checked = words[1] == u"1";
            return true;
        case Verb::Select: {
            bool ok = false;
            step.index = words.size() == 2 ? words[1].toInt(&ok) : -1;
            if (!ok || step.index < 0)
                return false;
            step.name = words[0];
            return true;
        }
        case Verb::Answer:
            step.cancel = rest == u"--cancel";
            if (!step.cancel)
                step.text = expandCarets(rest);
            return true;
        case Verb::Wait: {
            const auto wait = words.size() == 1 ? seconds(words[0]) : std::nullopt;
            step.seconds = wait.value_or(0);
            return wait.has_value();
        }
        case Verb::WaitFor: {
            if (words.size() != 2 && words.size() != 3)
                return false;
            const auto state = waitState(words[1]);
            const auto timeout
                = words.size() == 3 ? seconds(words[2]) : std::optional(defaultWaitForTimeout);
            if (!state || !timeout)
                return false;
            step.name = words[0];
            step.state = *state;
            step.seconds = *timeout;
            return true;
        }
        case Verb::Dump:
        case Verb::Screenshot:
            step.text = rest.trimmed();
            return !step.text.isEmpty();
        case Verb::Quit:
            return words.isEmpty();
        }
        return false;
    }

    // An empty string when the line is a good step (stored in `step`), else what is wrong.
    QString parseLine(const QString& line, Step& step)
    {
        const auto [word, rest] = splitWord(line);
        for (const VerbSpec& entry : verbs) {
            if (word != entry.word)
                continue;
            step.verb = entry.verb;
            if (!readArguments(step, rest))
                return QStringLiteral("malformed step, expected \"%1\"").arg(entry.usage);
            return {};
        }
        return QStringLiteral("unknown step \"%1\"").arg(word);
    }

    Qt::Key keyFor(QChar c)
    {
        switch (c.unicode()) {
        case u'\r':
            return Qt::Key_Return;
        case u'\t':
            return Qt::Key_Tab;
        case u'\b':
            return Qt::Key_Backspace;
        case 27:
            return Qt::Key_Escape;
        case 127:
            return Qt::Key_Delete;
        default:
            break;
        }
        if (c.unicode() < 32)
            return Qt::Key_unknown;
        // Key codes of printable Latin-1 characters are their upper-case code points.
        const char16_t upper = c.toUpper().unicode();
        return static_cast<Qt::Key>(upper <= 0xff ? upper : c.unicode());
    }

    struct NamedKey {
        QLatin1String name;
        Qt::Key key;
        QChar text;
    };

    const NamedKey namedKeys[] = {
        { QLatin1String("Enter"), Qt::Key_Return, u'\r' },
        { QLatin1String("Tab"), Qt::Key_Tab, u'\t' },
        { QLatin1String("Backspace"), Qt::Key_Backspace, u'\b' },
        { QLatin1String("Escape"), Qt::Key_Escape, QChar(27) },
        { QLatin1String("Space"), Qt::Key_Space, u' ' },
        { QLatin1String("Delete"), Qt::Key_Delete, QChar(127) },
        { QLatin1String("Up"), Qt::Key_Up, {} },
        { QLatin1String("Down"), Qt::Key_Down, {} },
        { QLatin1String("Left"), Qt::Key_Left, {} },
        { QLatin1String("Right"), Qt::Key_Right, {} },
        { QLatin1String("Home"), Qt::Key_Home, {} },
        { QLatin1String("End"), Qt::Key_End, {} },
    };

    // The key a name in braces stands for ("Ctrl+S", "F5", "Shift+Tab"); none for any other.
    std::optional<TypedKey> namedKey(QStringView name)
    {
        Qt::KeyboardModifiers modifiers;
        const std::pair<QLatin1String, Qt::KeyboardModifier> held[] = {
            { QLatin1String("Ctrl+"), Qt::ControlModifier },
            { QLatin1String("Shift+"), Qt::ShiftModifier },
            { QLatin1String("Alt+"), Qt::AltModifier },
        };
        for (bool found = true; found;) {
            found = false;
            for (const auto& [prefix, modifier] : held) {
                if (name.startsWith(prefix) && name.size() > prefix.size()) {
                    modifiers |= modifier;
                    name = name.mid(prefix.size());
                    found = true;
                }
            }
        }
        for (const NamedKey& named : namedKeys) {
            if (name != named.name)
                continue;
            // The platform sends Shift+Tab as Backtab.
            if (named.key == Qt::Key_Tab && modifiers & Qt::ShiftModifier)
                return TypedKey { Qt::Key_Backtab, {}, modifiers };
            const bool plain = !(modifiers & (Qt::ControlModifier | Qt::AltModifier));
            return TypedKey { named.key,
                plain && !named.text.isNull() ? QString(named.text) : QString(), modifiers };
        }
        bool number = false;
        const int function = name.startsWith(u'F') ? name.mid(1).toInt(&number) : 0;
        if (number && function >= 1 && function <= 12)
            return TypedKey { static_cast<Qt::Key>(Qt::Key_F1 + function - 1), {}, modifiers };
        const bool letterOrDigit
            = name.size() == 1 && name[0].unicode() < 128 && name[0].isLetterOrNumber();
        if (letterOrDigit && modifiers & Qt::ControlModifier)
            return TypedKey { static_cast<Qt::Key>(name[0].toUpper().unicode()), {}, modifiers };
        return std::nullopt;
    }
}

std::vector<TypedKey> typedKeys(const QString& text)
{
    std::vector<TypedKey> keys;
    const auto addLiteral = [&keys](QStringView literal) {
        for (QChar c : expandCarets(literal.toString()))
            keys.push_back({ keyFor(c), QString(c) });
    };
    qsizetype literalStart = 0;
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype close = text[pos] == u'{' ? text.indexOf(u'}', pos) : -1;
        const auto special = close > pos ? namedKey(QStringView(text).mid(pos + 1, close - pos - 1))
                                         : std::nullopt;
        if (!special) {
            ++pos;
            continue;
        }
        addLiteral(QStringView(text).mid(literalStart, pos - literalStart));
        keys.push_back(*special);
        pos = close + 1;
        literalStart = pos;
    }
    addLiteral(QStringView(text).mid(literalStart));
    return keys;
}

QString lineError(int line, const QString& source, const QString& problem)
{
    return QStringLiteral("line %1: %2: %3").arg(line).arg(problem, source);
}

ParsedScript parseScript(const QString& script)
{
    ParsedScript parsed;
    const QStringList lines = script.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u'#'))
            continue;
        Step step;
        step.line = static_cast<int>(i + 1);
        step.source = line;
        if (const QString problem = parseLine(line, step); !problem.isEmpty()) {
            parsed.steps.clear();
            parsed.error = lineError(step.line, line, problem);
            return parsed;
        }
        parsed.steps.push_back(std::move(step));
    }
    return parsed;
}

} // namespace linknode
