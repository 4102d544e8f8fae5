// The viewer window's menu bar: every item with its caption and hint, and the enabling rule.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <span>

#include "edit/core/journal_history.h"
#include "edit/core/write_journal.h"
#include "listings/registry.h"
#include "state/selection_state.h"
#include "ui/windows/error_guard.h"
#include "ui/windows/program_dirs.h"
#include "ui/windows/settings.h"
#include "ui/windows/viewer_window.h"
#include "ui/windows/window_model.h"

namespace opt {

namespace {

struct ItemText {
    const char* name;
    const char* caption;
    const char* hint;
};

// Component names of the Lists menu's listing items, in the menu's order.
constexpr const char* kListingItemNames[] = {
    "MainFileInfoList1", "MeshInfo1",          "MeshDataHeader1",    "MeshFaceHeader1",
    "FaceData1",         "Collisionboxlist1",  "RotationPointlist1", "HardPointlist1",
    "VertexList1",       "TextureVertexList1", "VertexNormal1",      "ListTextures1",
};

QMenu* AddMenu(QMenuBar* bar, const char* name, const char* caption) {
    QMenu* menu = bar->addMenu(QString::fromLatin1(caption));
    menu->setObjectName(QString::fromLatin1(name) + QStringLiteral("Menu"));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    menu->setToolTipsVisible(true);
    return menu;
}

QAction* AddItem(QMenu* menu, const ItemText& t) {
    QAction* item = menu->addAction(QString::fromLatin1(t.caption));
    item->setObjectName(QString::fromLatin1(t.name));
    if (t.hint[0] != '\0') {
        item->setStatusTip(QString::fromLatin1(t.hint));
        item->setToolTip(QString::fromLatin1(t.hint));
    }
    return item;
}

void AddSeparator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}

}  // namespace

void TGLW::BuildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    auto on = [this](QAction* item, auto handler) {
        connect(item, &QAction::triggered, this, Guarded([this, handler] { (this->*handler)(); }));
    };

    QMenu* file = AddMenu(bar, "Render1", "File");
    QAction* open = AddItem(file, {"ReadVxfromOPt1", "Read OPt", "Open Opt file for viewing."});
    open->setShortcut(QKeySequence::Open);
    on(open, &TGLW::ReadVxfromOPt1Click);
    AddFileExtras(file);
    AddSeparator(file, "N1");
    on(AddItem(file, {"SaveBMP1", "Save Bmp", "Saves curretnt texture to bmp file"}), &TGLW::SaveBMP1Click);
    on(AddItem(file, {"SavePal1", "Save Pals", "Saves all palettes"}), &TGLW::SavePal1Click);
    on(AddItem(file, {"SaveVxs1", "Save  Vxs", "Saves The contents of list box to file"}),
       &TGLW::SaveVxs1Click);
    QMenu* exportMenu = file->addMenu(QStringLiteral("Export"));
    exportMenu->menuAction()->setObjectName(QStringLiteral("Export1"));
    on(AddItem(exportMenu,
               {"ExportGltf1", "glTF...", "Exports the model at the resolution shown as glTF 2.0"}),
       &TGLW::ExportGltf1Click);
    on(AddItem(exportMenu, {"ExportObj1", "OBJ...", "Exports the model at the resolution shown as OBJ"}),
       &TGLW::ExportObj1Click);
    on(AddItem(file, {"RevertLastWrite1", "Revert Last Write",
                      "Undoes the newest write to the opened file that the file still holds"}),
       &TGLW::RevertLastWrite1Click);
    connect(file, &QMenu::aboutToShow, this, [this] { SetMenu(); });
    AddSeparator(file, "N3");

    QMenu* lists = AddMenu(bar, "Lists1", "Lists");
    on(AddItem(lists, {"ClearListBox1", "Clear List Box", ""}), &TGLW::ClearListBox1Click);
    AddSeparator(lists, "N2");
    size_t n = 0;
    for (const ListingEntry& listing : Listings()) {
        if (listing.caption.empty() || n >= std::size(kListingItemNames)) continue;
        const std::string caption(listing.caption);
        QAction* item = AddItem(lists, {kListingItemNames[n++], caption.c_str(), ""});
        const ListingEntry* entry = &listing;
        connect(item, &QAction::triggered, this, Guarded([this, entry] { ListClick(*entry); }));
    }

    QMenu* view = AddMenu(bar, "View1", "View   ");
    on(AddItem(view, {"Panel1", "Panel     &SpaceBar", "Press Spacebar when model loaded"}),
       &TGLW::Panel1Click);
    QAction* frame = AddItem(view, {"FrameModel1", "Frame Model",
                                    "Centres the model in the view and fits it (Home on the view, or "
                                    "a double-click with the middle button)"});
    // Home frames while the view has the keyboard; the list box keeps its own Home.
    frame->setShortcut(QKeySequence(Qt::Key_Home));
    frame->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    p_->addAction(frame);
    on(frame, &TGLW::FrameModel1Click);
    QAction* classic = AddItem(view, {"ClassicTables1", "Classic Table Sizes",
                                      "Loads models with the classic table capacities; the rest of a "
                                      "larger model is not read"});
    classic->setCheckable(true);
    classic->setChecked(AppSettings().value(QString::fromLatin1(setting::kClassicTables), false).toBool());
    model_.Store.Limits = classic->isChecked() ? TableLimits::ClassicSizes() : TableLimits::Grown();
    connect(classic, &QAction::toggled, this,
            Guarded([this, classic] { ClassicTables1Click(classic->isChecked()); }));

    QMenu* help = AddMenu(bar, "Help", "Help");
    QAction* contents = AddItem(help, {"Contents1", "Contents", ""});
    contents->setShortcut(QKeySequence(Qt::Key_F1));
    on(contents, &TGLW::HelpClick);
    AddSeparator(help, "N4");
    on(AddItem(help, {"About1", "About", ""}), &TGLW::About1Click);
}

QAction* TGLW::Item(const QString& name) const { return findChild<QAction*>(name); }

void TGLW::SetMenu() {
    const bool loaded = model_.Selection.ModelLoaded;
    for (const char* name : {"View1", "Lists1", "SaveBMP1", "SavePal1", "SaveVxs1", "Export1"})
        if (QAction* item = Item(QString::fromLatin1(name))) item->setEnabled(loaded);
    if (QAction* revert = Item(QStringLiteral("RevertLastWrite1")))
        revert->setEnabled(loaded && HasWriteToRevert(modelPath_, JournalFilePath(TheDirs().SaveDataDir)));
    if (QAction* reload = Item(QStringLiteral("Reload1"))) reload->setEnabled(!modelPath_.empty());
    ShowFreePanel();
}

}  // namespace opt
