#pragma once
// The rules of the practice that need no window: filling and trimming the pool, the shuffle,
// composing the pad's answer and the answer field's filter.
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <random>

namespace practice {

// Appends every entry of `source`, in order, to `destination`. The count is taken once, so
// copying a list onto itself doubles it instead of running for ever.
void copyList(const QStringList& source, QStringList& destination);

// Drops the last entry, then keeps dropping while more than 40 remain: 40 or fewer lose one,
// a larger pool is cut to 40.
void removeExtraQuestions(QStringList& pool);

// Seed of the next shuffle; by default the time of day in milliseconds, read afresh each call.
std::uint32_t nextSeed();
// Tests fix the seeds; an empty function restores the clock.
void setSeedSource(std::function<std::uint32_t()> source);

// Two passes over the pool; in each, entry i is exchanged with entry floor(n * r), r uniform
// in [0, 1).
void shuffle(QStringList& pool, std::mt19937& generator);

// No digit chosen in a place.
constexpr int Blank = -1;
// The number shown on the place tiles added onto the field's current text, as the pad does it:
// a hundreds 0 writes nothing, a tens or ones 0 writes the text, a blank place adds nothing.
QString composeAnswer(const QString& field, int hundreds, int tens, int ones);

// What the answer field may hold: nothing, or one to three digits. Anything else is emptied.
QString filterAnswerField(const QString& text);

// The answer as the record shows it: the field's text, or "No Answer" for an empty field.
QString recordedAnswer(const QString& field);

// A counter held as decimal text, one up or down ("9" -> "10"); non-numbers count as 0.
QString addToCount(const QString& count, int delta);

} // namespace practice
