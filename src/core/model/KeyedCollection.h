#pragma once

#include "database/DatabaseError.h"

#include <QHash>
#include <QString>
#include <memory>
#include <vector>

namespace arvenna {

// Records in insertion order, found by 1-based position or by a text key
// that ignores letter case. The collection owns its records; references to
// them stay valid until the record is removed or the collection dropped.
template <typename Record>
class KeyedCollection {
    using Storage = std::vector<std::unique_ptr<Record>>;

    template <typename Value, typename Inner>
    class Iterator {
    public:
        using value_type = Value;
        using difference_type = std::ptrdiff_t;
        Iterator() = default;
        explicit Iterator(Inner at) : at_(at) {}
        Value& operator*() const { return **at_; }
        Value* operator->() const { return at_->get(); }
        Iterator& operator++() { ++at_; return *this; }
        Iterator operator++(int) { Iterator before = *this; ++at_; return before; }
        bool operator==(const Iterator&) const = default;

    private:
        Inner at_{};
    };

public:
    using iterator = Iterator<Record, typename Storage::iterator>;
    using const_iterator = Iterator<const Record, typename Storage::const_iterator>;

    KeyedCollection() = default;
    KeyedCollection(KeyedCollection&&) noexcept = default;
    KeyedCollection& operator=(KeyedCollection&&) noexcept = default;

    int Count() const { return int(records_.size()); }

    Record& Item(int position) { return *records_[index(position)]; }
    const Record& Item(int position) const { return *records_[index(position)]; }
    Record& Item(const QString& key) { return *find(key, true); }
    const Record& Item(const QString& key) const { return *find(key, true); }

    // The record under the key, or null when there is none.
    Record* find(const QString& key) { return find(key, false); }
    const Record* find(const QString& key) const { return find(key, false); }
    bool contains(const QString& key) const { return byKey_.contains(foldedKey(key)); }

    void Remove(int position)
    {
        const std::size_t at = index(position);
        if (!keys_[at].isEmpty())
            byKey_.remove(keys_[at]);
        records_.erase(records_.begin() + std::ptrdiff_t(at));
        keys_.erase(keys_.begin() + std::ptrdiff_t(at));
    }

    void Remove(const QString& key)
    {
        const Record* record = find(key, true);
        for (std::size_t at = 0; at < records_.size(); ++at) {
            if (records_[at].get() == record) {
                Remove(int(at) + 1);
                return;
            }
        }
    }

    iterator begin() { return iterator(records_.begin()); }
    iterator end() { return iterator(records_.end()); }
    const_iterator begin() const { return const_iterator(records_.cbegin()); }
    const_iterator end() const { return const_iterator(records_.cend()); }

protected:
    // Stores the record under the key (without a key when it is empty).
    // A taken key throws and leaves the collection unchanged.
    Record& store(std::unique_ptr<Record> record, const QString& key)
    {
        const QString folded = foldedKey(key);
        if (!folded.isEmpty()) {
            if (byKey_.contains(folded))
                throw DatabaseError(
                    QStringLiteral("This key is already associated with an element of this collection: '%1'.").arg(key));
            byKey_.insert(folded, record.get());
        }
        records_.push_back(std::move(record));
        keys_.push_back(folded);
        return *records_.back();
    }

private:
    static QString foldedKey(const QString& key) { return key.toCaseFolded(); }

    std::size_t index(int position) const
    {
        if (position < 1 || position > Count())
            throw DatabaseError(QStringLiteral("Item not found in this collection: position %1 of %2.")
                                      .arg(position)
                                      .arg(Count()));
        return std::size_t(position - 1);
    }

    Record* find(const QString& key, bool required) const
    {
        const auto it = byKey_.constFind(foldedKey(key));
        if (it != byKey_.constEnd())
            return it.value();
        if (required)
            throw DatabaseError(QStringLiteral("Item not found in this collection: key '%1'.").arg(key));
        return nullptr;
    }

    Storage records_;
    std::vector<QString> keys_; // folded key per position, empty when stored without one
    QHash<QString, Record*> byKey_;
};

} // namespace arvenna
