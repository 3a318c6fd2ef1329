#pragma once

// Marks a text that the player reads, written in English where it stands in the game's data or
// code; the runtime shows it in the player's language. Qt's lupdate reads the mark as
// QT_TRANSLATE_NOOP and files the text under the context, which is "Quillory" for every text
// of the game: the runtime looks them up there.
#define NC_(context, text) text

// The same for a picture's name, which screen readers say: lupdate reads it as
// QT_TRANSLATE_NOOP3 with "picture" to tell it from the same English word elsewhere, as the
// maze's exit from the button that ends the game.
#define NCP_(context, text, picture) text

// The same for a text with a count, "%n seconds.", which the language's plural form of the count
// follows: lupdate reads it as QT_TRANSLATE_N_NOOP.
#define NCN_(context, text) text
