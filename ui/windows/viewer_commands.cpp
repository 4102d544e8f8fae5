// The viewer window's commands besides opening: listings, saving, help, the other windows.
#include <QListWidget>
#include <utility>

#include "edit/core/journal_history.h"
#include "edit/core/write_journal.h"
#include "listings/registry.h"
#include "model/store.h"
#include "render/core/image_export.h"
#include "render/gl/gl_view.h"
#include "ui/windows/about_box.h"
#include "ui/windows/control_panel.h"
#include "ui/windows/dialogs.h"
#include "ui/windows/list_file.h"
#include "ui/windows/palette_panel.h"
#include "ui/windows/program_dirs.h"
#include "ui/windows/settings.h"
#include "ui/windows/startup.h"
#include "ui/windows/viewer_window.h"
#include "ui/windows/widget_sinks.h"
#include "ui/windows/window_model.h"

namespace opt {

void TGLW::ListClick(const ListingEntry& listing) {
    listing.run(model_.Store, *SB_);
    SB_->Flush();
}

void TGLW::ClearListBox1Click() { SB_->Clear(); }

void TGLW::SaveVxs1Click() {
    const std::string path = TheDirs().SaveDataDir + VxsFileName(modelPath_);
    SaveListLines(path, SB_->Store());
    TheDialogs().Message(" File saved to  " + path);
}

void TGLW::SaveBMP1Click() {
    if (ml_ == nullptr) return;
    const auto selected = ml_->LB()->selectedItems();
    if (selected.isEmpty() || ml_->PreviewBytes().empty()) return;  // nothing selected: nothing written
    TheDialogs().Message(SaveBmp(TheDirs().SaveDataDir, FromLatin1(selected.front()->text()), modelPath_,
                                 ml_->PreviewBytes()));
}

void TGLW::RevertLastWrite1Click() {
    VectorSink warnings;
    const RevertDone done =
        RevertWrite(modelPath_, JournalFilePath(TheDirs().SaveDataDir), std::nullopt, warnings);
    LoadWireTex();
    for (const auto& line : warnings.lines) AddListLine(line);
    TheDialogs().Message("Reverted write " + std::to_string(done.Id) + " of " + modelPath_);
}

void TGLW::SavePal1Click() {
    TheDialogs().Message(SavePals(TheDirs().SaveDataDir, model_.Store, modelPath_));
}

void TGLW::Panel1Click() {
    // Both come to the front; the control panel gets the keyboard.
    if (pa_ != nullptr) {
        pa_->setAttribute(Qt::WA_ShowWithoutActivating);
        pa_->show();
        pa_->raise();
    }
    ShowControlPanel();
}

void TGLW::ShowControlPanel() {
    if (ml_ == nullptr) return;
    BringToFront(*ml_);
    if (std::exchange(startHint_, false)) ShowFreePanel();
}

void TGLW::FrameModel1Click() { view_->FrameModel(); }

void TGLW::ReloadClick() {
    if (!modelPath_.empty()) LoadWireTex();
}

void TGLW::ClassicTables1Click(bool classic) {
    AppSettings().setValue(QString::fromLatin1(setting::kClassicTables), classic);
    model_.Store.Limits = classic ? TableLimits::ClassicSizes() : TableLimits::Grown();
    ReloadClick();
}

void TGLW::OpenRecentFile(const std::string& path) { OpenModelFile(path); }

void TGLW::HelpClick() { TheDialogs().ShowHelp(ApplicationHelpFile(), kHelpContext); }

void TGLW::About1Click() {
    if (about_ != nullptr) TheDialogs().RunModal(*about_);
}

}  // namespace opt
