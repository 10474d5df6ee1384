#pragma once

#include "DataFolder.h"

class QWidget;

// The export and import of notes as the CALENDAR page's context menu offers
// them: the desktop's file dialog, the work, and a message that tells what
// was done.

void exportNotesWithDialog(QWidget *parent, const DataFolder &dataFolder);

// True when notes changed, and the month shown is to be drawn again.
bool importNotesWithDialog(QWidget *parent, const DataFolder &dataFolder);
