#pragma once
// Saving the tape as the user chooses: a file dialog for the name and the form (text or CSV),
// and a box that says why when the file could not be written. The tape itself is never touched.

#include "tape/tape_store.h"

class QWidget;

namespace tabulor {

// True when a file was written; false when the user cancelled or the write failed.
bool saveTapeAs(QWidget* parent, const TapeStore& tape);

}  // namespace tabulor
