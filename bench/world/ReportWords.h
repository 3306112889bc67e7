#pragma once

#include <QByteArray>

namespace arvenna {

// The words and numbers the generated reports are made of. Every choice is
// derived from its inputs, so a report is the same on every run.

// The rule under a heading.
extern const QByteArray kRule;

QByteArray number(int n);
QByteArray capitalised(QByteArray word);
// One of a fixed list of syllables, chosen by n.
QByteArray syllable(int n);
// The word a report gives a terrain of the game ("ocean"), empty for one
// it does not know.
QByteArray terrainWord(int terrain);
// "Region N", or "Open Sea" for none.
QByteArray regionName(int region);
// Two or three syllables, the same for a cell on every run.
QByteArray provinceName(int cell);
// A person's name, the same for a character number on every run.
QByteArray personName(int characterNumber);
// A well-stirred value of two numbers, for choices that vary with cell and turn.
unsigned mixed(unsigned a, unsigned b);

} // namespace arvenna
