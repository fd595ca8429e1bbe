// The INI text QSettings reads and writes, handled without QSettings for files of the plain shape
// ours have (sections, word keys, numbers, escaped text, colours): reading and writing a profile
// through QSettings costs tens of milliseconds, this a few. Anything beyond that shape makes parse()
// or toText() return false, and the caller uses QSettings itself, so the result never differs.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <vector>

class IniText {
public:
    // Replaces the content with the keys of text; false when the text is not of the plain shape.
    bool parse(const QByteArray& text);

    // Keys are relative to the current group, as with QSettings.
    void beginGroup(const QString& group);
    void endGroup();
    QVariant value(const QString& key) const;
    bool contains(const QString& key) const;
    void setValue(const QString& key, const QVariant& value);

    // Whether QSettings, merging fresh's keys into a file holding old, would write exactly fresh:
    // both hold the same sections and keys line by line, and old's values are of the plain shape.
    // fresh is a text toText() made.
    static bool sameKeys(const QByteArray& old, const QByteArray& fresh);

    // Full keys in the order they were parsed or first set.
    QStringList keys() const;
    // The text QSettings writes for a new file holding these keys; false when a value is of a kind
    // not handled here.
    bool toText(QByteArray* out) const;

private:
    struct Entry {
        QString section; // the first group ("" for the top level)
        QString key; // the rest of the path
        QVariant value;
    };
    bool sortEntries(bool dropDuplicates) const;
    const Entry* find(const QString& key) const;

    std::vector<Entry> m_entries; // as parsed or set
    mutable std::vector<int> m_sorted; // indexes by section, then key
    mutable size_t m_sortedCount = 0; // entries m_sorted covers
    mutable size_t m_lastFound = 0; // position in m_sorted of the last key found
    QStringList m_groups;
};
