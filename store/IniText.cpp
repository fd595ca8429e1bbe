// The plain shape of QSettings' INI text, read and written as QSettings does.
#include "store/IniText.h"

#include <QColor>
#include <QDataStream>

#include <algorithm>
#include <vector>

namespace {
bool isWordChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-'
        || c == '.';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Digits of a \x or \0 escape from p[*i]; QSettings reads as many as follow. False on a run too
// long to be one of ours.
bool readEscapeDigits(const char* p, int n, int* i, int base, QString* out)
{
    uint value = 0;
    int digits = 0;
    for (; *i < n; ++*i, ++digits) {
        const int d = hexValue(p[*i]);
        if (d < 0 || d >= base)
            break;
        value = value * uint(base) + uint(d);
    }
    if (digits == 0 || digits > 6)
        return false;
    out->append(QChar(ushort(value)));
    return true;
}

char simpleEscape(char c)
{
    switch (c) {
    case 'a':
        return '\a';
    case 'b':
        return '\b';
    case 'f':
        return '\f';
    case 'n':
        return '\n';
    case 'r':
        return '\r';
    case 't':
        return '\t';
    case 'v':
        return '\v';
    case '"':
    case '?':
    case '\'':
    case '\\':
        return c;
    default:
        return 0;
    }
}

// Whether a value is plain or one quoted text (as colours and texts holding a separator are
// written): no lists, comments, blanks outside quotes or line continuations. *escaped tells whether
// it holds a backslash escape; quoted values are given without their quotes.
bool scanValue(const char* text, int length, const char** p, int* n, bool* escaped)
{
    const bool quoted = length >= 2 && text[0] == '"' && text[length - 1] == '"';
    *p = quoted ? text + 1 : text;
    *n = quoted ? length - 2 : length;
    const char* v = *p;
    if (!quoted && *n > 0 && (v[0] == ' ' || v[*n - 1] == ' '))
        return false;
    *escaped = false;
    for (int i = 0; i < *n; ++i) {
        const uchar c = uchar(v[i]);
        if (c < 0x20 || c >= 0x7f || c == '"' || (!quoted && (c == ',' || c == ';' || c == '=')))
            return false;
        // The character after a backslash is the decoder's to judge; none would escape the quote.
        if (c == '\\') {
            if (i + 1 >= *n)
                return false;
            *escaped = true;
            ++i;
        }
    }
    return true;
}

// A value as QSettings unescapes it, when scanValue accepts it.
bool unescapeValue(const char* text, int length, QString* out)
{
    const char* p = nullptr;
    int n = 0;
    bool escaped = false;
    if (!scanValue(text, length, &p, &n, &escaped))
        return false;
    if (!escaped) {
        *out = QString::fromLatin1(p, n);
        return true;
    }
    out->reserve(n);
    for (int i = 0; i < n;) {
        const char c = p[i];
        if (c != '\\') {
            out->append(QLatin1Char(c));
            ++i;
            continue;
        }
        if (++i >= n)
            return false;
        const char e = p[i];
        if (e == 'x') {
            ++i;
            if (!readEscapeDigits(p, n, &i, 16, out))
                return false;
        } else if (e >= '0' && e <= '7') {
            if (!readEscapeDigits(p, n, &i, 8, out))
                return false;
        } else if (const char plain = simpleEscape(e)) {
            out->append(QLatin1Char(plain));
            ++i;
        } else {
            return false;
        }
    }
    return true;
}

// The value QSettings makes of an unescaped text.
bool textToVariant(const QString& text, QVariant* out)
{
    if (!text.startsWith(QLatin1Char('@'))) {
        *out = text;
        return true;
    }
    if (text.startsWith(QLatin1String("@@"))) {
        *out = text.mid(1);
        return true;
    }
    if (!text.startsWith(QLatin1String("@Variant(")) || !text.endsWith(QLatin1Char(')')))
        return false;
    QByteArray bytes = text.midRef(9).toLatin1();
    QDataStream stream(&bytes, QIODevice::ReadOnly);
    stream.setVersion(QDataStream::Qt_4_0);
    stream >> *out;
    return stream.status() == QDataStream::Ok;
}

// A section or key name as it stands in the file; '\' in a key separates groups.
bool unescapeName(const char* p, int n, bool isKey, QString* out)
{
    if (n == 0)
        return false;
    bool grouped = false;
    for (int i = 0; i < n; ++i) {
        if (isKey && p[i] == '\\')
            grouped = true;
        else if (!isWordChar(p[i]))
            return false;
    }
    *out = QString::fromLatin1(p, n);
    if (grouped)
        out->replace(QLatin1Char('\\'), QLatin1Char('/'));
    return true;
}

bool appendEscapedName(const QString& name, QByteArray* out)
{
    for (const QChar ch : name) {
        const ushort c = ch.unicode();
        if (c == '/')
            out->append('\\');
        else if (c < 0x80 && isWordChar(char(c)))
            out->append(char(c));
        else
            return false;
    }
    return true;
}

void appendHexEscape(uint ch, QByteArray* out)
{
    out->append("\\x");
    out->append(QByteArray::number(ch, 16));
}

// QSettings' escaping of a value text (no text codec, as QSettings writes by default).
void appendEscapedText(const QString& text, QByteArray* out)
{
    const int start = out->size();
    bool needsQuotes = false;
    bool escapeNextIfDigit = false;
    for (const QChar qc : text) {
        const uint ch = qc.unicode();
        if (ch == ';' || ch == ',' || ch == '=')
            needsQuotes = true;
        if (escapeNextIfDigit && ch < 0x80 && hexValue(char(ch)) >= 0) {
            appendHexEscape(ch, out);
            continue;
        }
        escapeNextIfDigit = false;
        switch (ch) {
        case '\0':
            out->append("\\0");
            escapeNextIfDigit = true;
            break;
        case '\a':
            out->append("\\a");
            break;
        case '\b':
            out->append("\\b");
            break;
        case '\f':
            out->append("\\f");
            break;
        case '\n':
            out->append("\\n");
            break;
        case '\r':
            out->append("\\r");
            break;
        case '\t':
            out->append("\\t");
            break;
        case '\v':
            out->append("\\v");
            break;
        case '"':
        case '\\':
            out->append('\\');
            out->append(char(ch));
            break;
        default:
            if (ch <= 0x1f || ch >= 0x7f) {
                appendHexEscape(ch, out);
                escapeNextIfDigit = true;
            } else {
                out->append(char(ch));
            }
        }
    }
    if (needsQuotes || (out->size() > start && (out->at(start) == ' ' || out->at(out->size() - 1) == ' '))) {
        out->insert(start, '"');
        out->append('"');
    }
}

// Numbers as QSettings writes them (never escaped). False for other kinds.
bool appendNumber(const QVariant& value, QByteArray* out)
{
    switch (value.userType()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
        out->append(QByteArray::number(value.toLongLong()));
        return true;
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        out->append(QByteArray::number(value.toULongLong()));
        return true;
    default:
        return false;
    }
}

// The text QSettings writes for a value before escaping; false for kinds not handled here.
bool variantToText(const QVariant& value, QString* out)
{
    switch (value.userType()) {
    case QMetaType::QString:
    case QMetaType::Bool:
        *out = value.toString();
        if (out->contains(QChar::Null))
            return false;
        if (out->startsWith(QLatin1Char('@')))
            out->prepend(QLatin1Char('@'));
        return true;
    case QMetaType::QColor: {
        QByteArray bytes;
        QDataStream stream(&bytes, QIODevice::WriteOnly);
        stream.setVersion(QDataStream::Qt_4_0);
        stream << value;
        *out = QLatin1String("@Variant(") + QLatin1String(bytes.constData(), bytes.size()) + QLatin1Char(')');
        return true;
    }
    default:
        return false;
    }
}

} // namespace

namespace {
// The next non-empty line of text from *start, or an empty view at the end.
QByteArray nextLine(const QByteArray& text, int* start)
{
    while (*start < text.size()) {
        int end = text.indexOf('\n', *start);
        if (end < 0)
            end = text.size();
        const int from = *start;
        *start = end + 1;
        if (end > from)
            return QByteArray::fromRawData(text.constData() + from, end - from);
    }
    return QByteArray();
}
} // namespace

bool IniText::sameKeys(const QByteArray& old, const QByteArray& fresh)
{
    int a = 0;
    int b = 0;
    for (;;) {
        const QByteArray lineA = nextLine(old, &a);
        const QByteArray lineB = nextLine(fresh, &b);
        if (lineA.isEmpty() || lineB.isEmpty())
            return lineA.isEmpty() && lineB.isEmpty();
        if (lineB.startsWith('[')) {
            if (lineA != lineB)
                return false;
            continue;
        }
        const int equals = lineB.indexOf('=');
        const char* p = nullptr;
        int n = 0;
        bool escaped = false;
        if (equals < 0 || lineA.size() <= equals || lineA.at(equals) != '='
            || memcmp(lineA.constData(), lineB.constData(), size_t(equals)) != 0
            || !scanValue(lineA.constData() + equals + 1, lineA.size() - equals - 1, &p, &n, &escaped))
            return false;
    }
}

bool IniText::parse(const QByteArray& text)
{
    m_entries.clear();
    m_entries.reserve(size_t(text.count('\n') + 1));
    QStringList sections;
    QString section;
    const char* data = text.constData();
    for (int start = 0; start < text.size();) {
        int end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        const char* line = data + start;
        const int length = end - start;
        start = end + 1;
        if (length == 0)
            continue;
        if (line[0] == '[') {
            if (line[length - 1] != ']' || !unescapeName(line + 1, length - 2, false, &section))
                return false;
            if (section.compare(QLatin1String("general"), Qt::CaseInsensitive) == 0)
                section.clear();
            if (sections.contains(section))
                return false;
            sections.append(section);
            continue;
        }
        const char* equals = static_cast<const char*>(memchr(line, '=', size_t(length)));
        QString key;
        QString value;
        QVariant variant;
        if (!equals || !unescapeName(line, int(equals - line), true, &key)
            || !unescapeValue(equals + 1, int(line + length - equals - 1), &value) || !textToVariant(value, &variant))
            return false;
        // A grouped key outside a section names another section's key: left to QSettings.
        if (section.isEmpty() && key.contains(QLatin1Char('/')))
            return false;
        m_entries.push_back({ section, key, variant });
    }
    m_sorted.clear();
    // A key twice in a file: QSettings keeps the last, a case left to it.
    return sortEntries(false);
}

// Indexes of the entries by section, then key, as QSettings writes a new file. Files QSettings
// wrote are in this order already. With dropDuplicates the last value set for a key stays.
bool IniText::sortEntries(bool dropDuplicates) const
{
    const auto less = [this](int a, int b) {
        const Entry& ea = m_entries[size_t(a)];
        const Entry& eb = m_entries[size_t(b)];
        const int bySection = ea.section.compare(eb.section);
        return bySection != 0 ? bySection < 0 : ea.key < eb.key;
    };
    m_sorted.resize(m_entries.size());
    for (size_t i = 0; i < m_sorted.size(); ++i)
        m_sorted[i] = int(i);
    if (!std::is_sorted(m_sorted.begin(), m_sorted.end(), less))
        std::stable_sort(m_sorted.begin(), m_sorted.end(), less);
    std::vector<int> unique;
    unique.reserve(m_sorted.size());
    for (const int index : m_sorted) {
        if (!unique.empty() && !less(unique.back(), index)) {
            if (!dropDuplicates)
                return false;
            unique.back() = index;
            continue;
        }
        unique.push_back(index);
    }
    m_sorted.swap(unique);
    m_sortedCount = m_entries.size();
    return true;
}

const IniText::Entry* IniText::find(const QString& key) const
{
    if (m_sortedCount != m_entries.size())
        sortEntries(true);
    // The section is the first group, the rest of the path is the key within it.
    QString section;
    QString rest;
    if (m_groups.isEmpty()) {
        const int slash = key.indexOf(QLatin1Char('/'));
        section = slash < 0 ? QString() : key.left(slash);
        rest = slash < 0 ? key : key.mid(slash + 1);
    } else {
        section = m_groups.first();
        rest = m_groups.size() == 1 ? key : m_groups.mid(1).join(QLatin1Char('/')) + QLatin1Char('/') + key;
    }
    // Readers ask for keys near the last one found: gallop from there, then bisect.
    const size_t n = m_sorted.size();
    if (n == 0)
        return nullptr;
    const auto order = [&](size_t pos) {
        const Entry& e = m_entries[size_t(m_sorted[pos])];
        const int bySection = e.section.compare(section);
        return bySection != 0 ? bySection : e.key.compare(rest);
    };
    const size_t start = qMin(m_lastFound, n - 1);
    size_t lo = 0;
    size_t hi = n;
    const int here = order(start);
    if (here == 0)
        return &m_entries[size_t(m_sorted[start])];
    if (here < 0) {
        lo = start + 1;
        for (size_t step = 1; start + step < n; step *= 2) {
            const int c = order(start + step);
            if (c >= 0) {
                hi = start + step + (c == 0 ? 1 : 0);
                break;
            }
            lo = start + step + 1;
        }
    } else {
        hi = start;
        for (size_t step = 1; step <= start; step *= 2) {
            const int c = order(start - step);
            if (c <= 0) {
                lo = start - step;
                break;
            }
            hi = start - step;
        }
    }
    while (lo < hi) {
        const size_t mid = lo + (hi - lo) / 2;
        if (order(mid) < 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    if (lo >= n || order(lo) != 0)
        return nullptr;
    m_lastFound = lo;
    return &m_entries[size_t(m_sorted[lo])];
}

void IniText::beginGroup(const QString& group)
{
    m_groups.append(group);
}

void IniText::endGroup()
{
    if (!m_groups.isEmpty())
        m_groups.removeLast();
}

QVariant IniText::value(const QString& key) const
{
    const Entry* e = find(key);
    return e ? e->value : QVariant();
}

bool IniText::contains(const QString& key) const
{
    return find(key) != nullptr;
}

void IniText::setValue(const QString& key, const QVariant& value)
{
    const QString full = m_groups.isEmpty() ? key : m_groups.join(QLatin1Char('/')) + QLatin1Char('/') + key;
    const int slash = full.indexOf(QLatin1Char('/'));
    // Sorted when next needed; a key set twice keeps its last value then.
    m_entries.push_back({ slash < 0 ? QString() : full.left(slash), slash < 0 ? full : full.mid(slash + 1), value });
}

QStringList IniText::keys() const
{
    QStringList keys;
    keys.reserve(int(m_entries.size()));
    for (const Entry& entry : m_entries)
        keys.append(entry.section.isEmpty() ? entry.key : entry.section + QLatin1Char('/') + entry.key);
    return keys;
}

bool IniText::toText(QByteArray* out) const
{
    if (m_sortedCount != m_entries.size())
        sortEntries(true);
    QByteArray text;
    text.reserve(int(m_entries.size()) * 32);
    QString section;
    bool first = true;
    for (const int index : m_sorted) {
        const Entry& entry = m_entries[size_t(index)];
        const QString& keySection = entry.section;
        if (first || keySection != section) {
            if (!first)
                text.append('\n');
            if (keySection.compare(QLatin1String("general"), Qt::CaseInsensitive) == 0)
                return false;
            text.append('[');
            if (keySection.isEmpty())
                text.append("General");
            else if (!appendEscapedName(keySection, &text))
                return false;
            text.append("]\n");
            section = keySection;
            first = false;
        }
        if (!appendEscapedName(entry.key, &text))
            return false;
        text.append('=');
        if (!appendNumber(entry.value, &text)) {
            QString value;
            if (!variantToText(entry.value, &value))
                return false;
            appendEscapedText(value, &text);
        }
        text.append('\n');
    }
    *out = text;
    return true;
}
