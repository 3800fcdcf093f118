// The shell's connection to each game unit beside Black Jack and Skat: one pair of routines per
// game, each in its own file of this folder. `...Verbinden` runs when the form is created
// (registration, hooks, option readers); `...Seiten` runs once the dialogs exist (the game's
// rule pages and panels by their ids).
#pragma once

#include <string>

namespace glapp {

class Tglapp;

// Run by the shell once a frame while a game is on the table (empty: nothing); Schnapsen searches
// its reply to the human's pointed card in it.
extern void (*spielProFrame)();

// The label the table draws on a pile of won tricks (empty: none); the shell hands it to the
// table engine.
std::string stapelBeschriftung(int stack, int slot);

// The Skat unit's option pages and its characters' chooser (the Skat connection itself is the
// form's own).
void skatSeiten(Tglapp& a);
// The characters' chooser of the Skat page filled, and set to the standard character when no
// entry is chosen (after the page's states were loaded or reset).
void skatCharaktere(Tglapp& a);
void pokerVerbinden(Tglapp& a);
void pokerSeiten(Tglapp& a);
void schnapsenVerbinden(Tglapp& a);
void schnapsenSeiten(Tglapp& a);
void jassVerbinden(Tglapp& a);
void jassSeiten(Tglapp& a);
void schafkopfDoppelkopfVerbinden(Tglapp& a);
void schafkopfDoppelkopfSeiten(Tglapp& a);
void canastaVerbinden(Tglapp& a);
void canastaSeiten(Tglapp& a);
void rommeVerbinden(Tglapp& a);
void rommeSeiten(Tglapp& a);
void maumauSchwimmenVerbinden(Tglapp& a);
void maumauSchwimmenSeiten(Tglapp& a);

}  // namespace glapp
