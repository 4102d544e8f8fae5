#include "edit/core/journaled_load.h"

#include "edit/core/journal_history.h"
#include "model/reader.h"

namespace opt {

void LoadNotingInterruptedWrite(ModelStore& store, const std::string& file, const std::string& journal) {
    Load(store, file);
    if (journal.empty()) return;
    if (auto note = InterruptedWriteNote(file, store.File_Image, journal)) store.Warnings.push_back(*note);
}

}  // namespace opt
