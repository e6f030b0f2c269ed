#pragma once

#include <QStringList>

// The fixed question banks of the facts review. Every item is one fact string such as
// "3  x  2 = 6"; the blanks inside an item are part of the data and are never re-spaced.
namespace banks {

enum class Operation { Addition, Subtraction, Multiplication, Division };

// One level's single-operation bank (level 1..5) in its fixed order. Repeated items are
// kept. Any other level gives an empty list.
const QStringList &bank(Operation op, int level);

// One level's all-facts bank: ten items for each operation. Any other level gives four
// empty lists.
struct AllFactsBank
{
    QStringList multi, div, sub, add;
};
const AllFactsBank &allFactsBank(int level);

// The loaders append, in the bank's order, and never clear the target: loading two banks
// into one list concatenates them.
void loadBank(Operation op, int level, QStringList &target);
// Appends in the order multi, div, sub, add.
void loadAllFacts(int level, QStringList &multi, QStringList &div, QStringList &sub,
                  QStringList &add);

} // namespace banks
