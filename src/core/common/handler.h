#pragma once
// Handlers: what the catalogue's entries name to answer an event, and the predicates that the device
// model's feature questions and the catalogue's item conditions share.

#include <cstdint>
#include <string>

namespace tessalin {

// What a handler is told and answers. Which fields are read or filled depends on the event.
struct TEvParRec {
    void* object = nullptr;  // event 35: the menu entry of a sub-page; event 40: the canvas to draw on
    int32_t number = 0;
    std::string text;
    float lower = 0;
    float upper = 0;
};

// A handler answers an event for the entry it is named by; where it is comes from CurrentParam.
using Handler = bool (*)(int event, TEvParRec& rec);
// A predicate ignores both; many entries use a predicate as their handler.
using Predicate = bool (*)();

enum Event : int {
    kEvMenuVisible = 0,     // menu entry: true = the item is shown
    kEvPageOpen = 1,        // menu entry: its page is being opened
    kEvCommitted = 3,       // row: its value has just been written
    kEvRowVisible = 4,      // row: true = shown
    kEvRowEditable = 5,     // row: true = editable
    kEvLimits = 6,          // row: lower/upper possibly changed
    kEvHeading = 7,         // heading row: text and number of lines
    kEvChoiceList = 8,      // list row: text = choice list
    kEvTitle = 9,           // menu entry or row: text = title or label
    kEvFormat = 10,         // number row: number = width * 16 + decimals
    kEvSubPageClosed = 11,  // sub-page dialog closed with OK: true = refresh labels, false = rebuild
    kEvMatrixRowLabel = 20,
    kEvMatrixColumnLabel = 21,
    kEvMatrixCellState = 22,  // number in: cell; out: 0 disabled, 1 off, 2 on
    kEvMatrixClick = 23,
    kEvButtonPressed = 30,    // true: rebuild the page
    kEvButtonEnabled = 31,
    kEvButtonCount = 32,
    kEvButtonCaption = 33,
    kEvButtonPicture = 34,
    kEvButtonSubPage = 35,    // true: object = the menu entry to show
    kEvButtonHint = 36,
    kEvPicture = 40,          // object = a 50 x 50 canvas
    // The tool's own question, asked by the data-set check of a list row: `number` in = the stored code
    // (0..255); out = the same code when the list decides (a handler leaves it), kCodeAccepted (the
    // analyser takes a code its list does not offer) or kCodeRefused (the list offers the code, but the
    // device lacks what it names; `text` says what is accepted then).
    kEvCheckCode = 50,
};

enum CodeVerdict : int32_t { kCodeAccepted = -2, kCodeRefused = -3 };

}  // namespace tessalin
