#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

class TDBMainBase;

// File work that belongs to a change of the store (the history file and the export of an
// accepted day, the plan files it deletes). The steps are recorded in the store inside the
// change's own unit of work and carried out once it is committed; steps left over by a run that
// was killed on the way are finished when the store is next opened. So the store and the files
// never tell different stories: either the change and all its files happened, or none of it.

enum class TFileStepKind { fsWrite = 1, fsDelete = 2 };

struct TFileStep {
    TFileStepKind Kind = TFileStepKind::fsWrite;
    QString Path;
    QByteArray Content; // what a write puts in the file, byte for byte
};

using TFileSteps = std::vector<TFileStep>;

// Tries every write beforehand (the whole content into a temporary file beside the target, which
// is dropped again), so a step that could not be carried out is known before anything is
// recorded. False with the program's file-error text in `error`.
bool ProbeFileSteps(const TFileSteps& steps, QString* error);

// Records the steps; call it inside the unit of work of the change they belong to. Throws
// SQLite::Exception.
void RecordFileSteps(TDBMainBase& base, const TFileSteps& steps);

// Carries out every recorded step in order, then forgets them. A step may have been carried out
// before (by a run killed before it could forget it): writing the same content again and
// deleting a file that is gone are both fine. When a step fails, nothing is forgotten and false
// comes back with the program's file-error text in `error`, for the next try.
bool FinishFileSteps(TDBMainBase& base, QString* error);

// Whether steps are waiting to be carried out.
bool HasFileSteps(TDBMainBase& base);
