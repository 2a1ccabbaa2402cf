#pragma once

// Which of a run's own fields the runner registers: the note, the
// temperature and the weight can each be left out; the pace, the date and
// the times are always registered. The choice is the runner's own, kept in
// their configuration (on Linux ~/.config/Kvistra/kvistra.ini), not in the
// data folder.
namespace fieldchoice {

struct Chosen { bool note = true; bool temperature = true; bool weight = true; };

// The choice as last saved; every field is chosen until the runner says
// otherwise.
Chosen load();

// Keeps the choice for the next run window. When the configuration cannot
// be written the former choice stays, so that load() then tells what holds.
void save(const Chosen &chosen);

} // namespace fieldchoice
