// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The fill-up log of the mileage tracker.
//
// How the parts of src/mileage fit together: MileageLog holds the fill-ups and derives the MPG of
// each tank and the two running averages as each one is appended; entry_list turns an entry into
// its line of the tracker's list; mileage_file reads and writes the log as text (the mileage
// file and the comma-separated file share one format); entry_rules checks a new fill-up and asks
// the plausibility questions; summary and plot compute what the summary text and the plot
// window show; MileageTracker is the tracker window's behaviour without any widget, which the Qt
// window only renders and milora-calc drives from the command line.

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace milora::mileage {

// One entry as the rest of the program sees it: a copy made on request, since the log keeps its
// entries packed (see Stored).
struct Fillup {
    std::string Fillup_Date; // as entered or read, never checked
    float Fillup_Odometer = 0;
    float Fillup_Gallons = 0;
    // Derived when the entry is appended; 0 for the first entry, which has no MPG.
    float Tank_MPG = 0;
    float Overall_MPG = 0;
    float Five_Tank_MPG = 0;
};

class MileageLog;

// The entries in order, for a range-for or by 0-based position; each one is made on access.
class EntryRange {
public:
    // Random access, as the standard algorithms want it; an element is a value made on access.
    class iterator {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = Fillup;
        using difference_type = std::ptrdiff_t;
        using reference = Fillup;
        using pointer = void;
        iterator() = default;
        iterator(const MileageLog* log, std::size_t at) : log_(log), at_(at) {}
        Fillup operator*() const;
        Fillup operator[](difference_type n) const { return *(*this + n); }
        iterator& operator++() { return *this += 1; }
        iterator operator++(int) {
            iterator old = *this;
            ++*this;
            return old;
        }
        iterator& operator--() { return *this -= 1; }
        iterator operator--(int) {
            iterator old = *this;
            --*this;
            return old;
        }
        iterator& operator+=(difference_type n) {
            at_ = static_cast<std::size_t>(static_cast<difference_type>(at_) + n);
            return *this;
        }
        iterator& operator-=(difference_type n) { return *this += -n; }
        friend iterator operator+(iterator i, difference_type n) { return i += n; }
        friend iterator operator+(difference_type n, iterator i) { return i += n; }
        friend iterator operator-(iterator i, difference_type n) { return i -= n; }
        friend difference_type operator-(const iterator& a, const iterator& b) {
            return static_cast<difference_type>(a.at_) - static_cast<difference_type>(b.at_);
        }
        bool operator==(const iterator& other) const { return at_ == other.at_; }
        bool operator<(const iterator& other) const { return at_ < other.at_; }
        bool operator>(const iterator& other) const { return at_ > other.at_; }
        bool operator<=(const iterator& other) const { return at_ <= other.at_; }
        bool operator>=(const iterator& other) const { return at_ >= other.at_; }

    private:
        const MileageLog* log_ = nullptr;
        std::size_t at_ = 0;
    };

    explicit EntryRange(const MileageLog& log) : log_(&log) {}
    std::size_t size() const;
    Fillup operator[](std::size_t at) const;
    iterator begin() const { return {log_, 0}; }
    iterator end() const { return {log_, size()}; }

private:
    const MileageLog* log_;
};

class MileageLog {
public:
    using Index = std::int64_t;

    // Number of entries; they are numbered 1 to fillup_count().
    Index fillup_count() const { return static_cast<Index>(stored_.size()); }
    bool empty() const { return stored_.empty(); }
    // Entry i, 1-based.
    Fillup entry(Index i) const { return unpack(stored_.at(static_cast<std::size_t>(i - 1))); }
    Fillup last() const { return unpack(stored_.back()); }
    EntryRange entries() const { return EntryRange(*this); }
    // The figures of entry i without its date, for loops over a long log.
    float odometer(Index i) const { return stored_.at(static_cast<std::size_t>(i - 1)).odometer; }
    float gallons(Index i) const { return stored_.at(static_cast<std::size_t>(i - 1)).gallons; }
    std::string_view date(Index i) const {
        const Stored& s = stored_.at(static_cast<std::size_t>(i - 1));
        return std::string_view(dates_).substr(s.date_at, s.date_size);
    }

    // Appends a fill-up and derives its MPG values in single precision. When they are not finite
    // (no gallons, an overflow) it throws numbers::FloatFault and the log is unchanged.
    void append(std::string_view date, float odometer, float gallons);
    void clear();

    // Changes to the entries already in the log. Every MPG after the change is derived again as
    // if the log had been typed that way; when one is not finite, FloatFault is thrown and the log
    // is unchanged. Positions are 1-based.
    void erase(Index i);
    void insert(Index i, const Fillup& f); // f becomes entry i
    void replace(Index i, const Fillup& f);
    void pop_back();
    // Room for `count` entries whose dates take `date_bytes` in all, so that reading a long file
    // grows nothing twice over.
    void reserve(Index count, std::size_t date_bytes = 0);

    // Sum of the gallons of entries 2 to n, added in entry order in single precision; the first
    // fill-up's gallons only fill the tank that the log starts from.
    float gallons_after_first() const { return gallons_after_first_; }
    // The overall average A of a log of two entries or more (equals Overall_MPG of the last).
    float overall_average() const;

private:
    // A million entries must fit in a few tens of megabytes: the dates share one buffer and an
    // entry keeps only where its date lies there.
    struct Stored {
        std::uint32_t date_at = 0;
        std::uint32_t date_size = 0;
        float odometer = 0;
        float gallons = 0;
        float tank = 0;
        float overall = 0;
        float five_tank = 0;
    };
    Fillup unpack(const Stored& s) const;
    // Derives the MPG values of entry `at` (0-based) of `s` from the entries before it; `total`
    // is the gallons of entries 2 to at (0 for the first two) and becomes those to at + 1.
    static void derive(std::vector<Stored>& s, std::size_t at, float& total);
    // Takes `s` as the new entries, every MPG derived again.
    void rederive(std::vector<Stored> s);
    Stored pack(const Fillup& f);

    std::vector<Stored> stored_;
    std::string dates_;
    float gallons_after_first_ = 0;
};

inline std::size_t EntryRange::size() const {
    return static_cast<std::size_t>(log_->fillup_count());
}

inline Fillup EntryRange::operator[](std::size_t at) const {
    return log_->entry(static_cast<MileageLog::Index>(at) + 1);
}

inline Fillup EntryRange::iterator::operator*() const {
    return log_->entry(static_cast<MileageLog::Index>(at_) + 1);
}

} // namespace milora::mileage
