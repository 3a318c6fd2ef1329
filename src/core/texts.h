#pragma once

// Marks a text that the player reads, written in English where it stands in the game's data or
// code; the runtime shows it in the player's language. Qt's lupdate reads the mark as
// QT_TRANSLATE_NOOP and files the text under the context, which is "Quillory" for every text
// of the game: the runtime looks them up there.
#define NC_(context, text) text
