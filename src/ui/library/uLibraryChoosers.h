#pragma once

#include "ui/library/uSongProperties.h"

class TDBMainBase;
class QWidget;

// The song window's choosers as the library windows give them: the artist list, the albums
// dialog, the label list, and the audio-file dialog.
TSongWindowHooks LibraryChoosers(TDBMainBase* store, QWidget* parent);
