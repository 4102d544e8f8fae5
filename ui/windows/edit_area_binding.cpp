#include "ui/windows/edit_area_binding.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QToolButton>

#include "ui/windows/control_panel.h"
#include "ui/windows/dialogs.h"
#include "ui/windows/error_guard.h"
#include "ui/windows/list_click.h"
#include "ui/windows/radio_group.h"
#include "ui/windows/viewer_window.h"
#include "ui/windows/widget_mirror.h"
#include "ui/windows/widget_sinks.h"
#include "ui/windows/window_model.h"

namespace opt {

EditAreaBinding::EditAreaBinding(TML& panel, WindowModel& model)
    : panel_(panel), area_(model.Store, model.Selection, *this) {
    // The type box takes a typed name as well as a chosen one, and shows names its list lacks.
    QComboBox* type = panel_.Edit().EHPType;
    type->setEditable(true);
    type->setInsertPolicy(QComboBox::NoInsert);
    Connect();
}

void EditAreaBinding::Connect() {
    const EditControls& c = panel_.Edit();
    auto hook = [this](void (EditArea::*handler)()) {
        return [this, handler] { Run([this, handler] { (area_.*handler)(); }); };
    };
    // The mode buttons run through the panel's guarded mode click, which puts the button down first.
    panel_.SetModeClickHook(SBHP, hook(&EditArea::SBHPClick));
    panel_.SetModeClickHook(SBHZ, hook(&EditArea::SBHZClick));
    panel_.SetModeClickHook(SBHZED, hook(&EditArea::SBHZEDClick));
    panel_.SetModeClickHook(SBCopyCenters, hook(&EditArea::SBCopyCentersClick));
    panel_.SetModeClickHook(SBRes, hook(&EditArea::SBResClick));
    panel_.SetModeClickHook(SBRSH, hook(&EditArea::SBRSHClick));

    QObject::connect(c.SBUpdate, &QToolButton::clicked, &panel_, Guarded(hook(&EditArea::SBUpdateClick)));
    QObject::connect(c.SBUndo, &QToolButton::clicked, &panel_, Guarded(hook(&EditArea::SBUndoClick)));
    QObject::connect(c.SBHZWrite, &QToolButton::clicked, &panel_, Guarded(hook(&EditArea::SBHZWriteClick)));
    QObject::connect(c.SBHZ0, &QToolButton::clicked, &panel_, Guarded(hook(&EditArea::SBHZ0Click)));
    OnListClick(c.LBED, [this](int line) { Run([&] { area_.LBEDClick(line); }); });
    QObject::connect(c.RG1->Group(), &QButtonGroup::idClicked, &panel_,
                     [this](int item) { RunGuarded([&] { Run([&] { area_.RG1Click(item); }); }); });
}

void EditAreaBinding::OnLoad(const std::string& fileName) {
    Run([&] {
        area_.FileName = fileName;
        area_.OnLoad();
    });
}

void EditAreaBinding::Run(const std::function<void()>& handler) {
    TakeUserInput();
    try {
        handler();
    } catch (...) {
        Mirror();
        throw;
    }
    Mirror();
}

void EditAreaBinding::TakeUserInput() {
    const EditControls& c = panel_.Edit();
    EditWidgets& w = area_.Widgets();
    w.EText = FromLatin1(c.E->text());
    w.EHPTypeText = FromLatin1(c.EHPType->currentText());
    w.RP = !c.RP->isHidden();  // the browsing buttons hide it on their own
    w.SPEResValue = panel_.SPERes()->value();
    memoBefore_ = MemoLinesOf(panel_.Memo());
    w.Memo = memoBefore_;  // the distance table is appended to what the memo shows
}

void EditAreaBinding::Mirror() {
    const EditControls& c = panel_.Edit();
    const EditWidgets& w = area_.Widgets();
    c.RP->setHidden(!w.RP);
    c.LabED->setText(Latin1(w.LabED));
    MirrorList(c.LBED, w.LBED, w.LBEDIndex);
    MirrorRadioGroup(c.RG1, w.RG1, w.RG1Index);
    c.E->setHidden(!w.E);
    if (c.E->text() != Latin1(w.EText)) c.E->setText(Latin1(w.EText));
    c.EHPType->setHidden(!w.EHPType);
    MirrorCombo(c.EHPType, w.EHPTypeItems, w.EHPTypeText);
    c.SBView->setHidden(!w.SBView);
    c.SBUpdate->setHidden(!w.SBUpdate);
    c.SBUndo->setHidden(!w.SBUndo);
    c.SBHZWrite->setHidden(!w.SBHZWrite);
    c.SBHZ0->setHidden(!w.SBHZ0);
    c.RLabel->setHidden(!w.RLabel);
    if (w.Memo != memoBefore_) SetMemoLines(panel_.Memo(), w.Memo);
    panel_.SPERes()->setEnabled(w.SPEResEnabled);
    panel_.HitZonesComputed() = area_.HitZonesComputed();
    panel_.SyncModeButtons();
}

void EditAreaBinding::ShowMessage(const std::string& text) { TheDialogs().Message(text); }

bool EditAreaBinding::Ask(const std::string& question) { return TheDialogs().Ask(question); }

void EditAreaBinding::Redraw() {
    if (panel_.Viewer() != nullptr) panel_.Viewer()->ShowHZ(0);
}

void EditAreaBinding::FormHide() { panel_.FormHide(); }

std::vector<std::string> EditAreaBinding::ResBoxLines() const {
    std::vector<std::string> lines;
    const QComboBox* box = panel_.ResBox();
    for (int i = 0; i < box->count(); ++i) lines.push_back(FromLatin1(box->itemText(i)));
    return lines;
}

void EditAreaBinding::SetResBoxText(const std::string& text) { panel_.ResBox()->setEditText(Latin1(text)); }

}  // namespace opt
