#include "app/cli/patch_commands.h"

#include <cstdio>
#include <filesystem>
#include <memory>

#include "app/cli/commands.h"
#include "app/cli/model_loading.h"
#include "edit/core/edit_numbers.h"
#include "edit/core/journal_history.h"
#include "edit/core/lookup_file.h"
#include "edit/core/write_journal.h"
#include "model/errors.h"
#include "model/reader.h"
#include "render/core/frame_builder.h"
#include "render/core/image_export_names.h"

namespace cli {

std::string ProgramAppDataDir() { return opt::DirWithSeparator(ProgramFolders().AppData.string()); }

std::string ProgramJournal() { return opt::JournalFilePath(ProgramFolders().SaveData.string()); }

PatchSession::PatchSession(const std::string& path)
    : store_(LoadModel(path)), edit_(*store_, selection_, *this) {
    PrintWarnings(*store_, stderr);
    selection_.ModelLoaded = true;
    edit_.FileName = path;
    edit_.AppDataDir = ProgramAppDataDir();
    edit_.JournalPath = ProgramJournal();
    edit_.OnLoad();
}

int PatchSession::LineOf(int entry) const {
    const auto& lines = edit_.Widgets().LBED;
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i] == std::to_string(entry)) return static_cast<int>(i);
    return -1;
}

void PatchSession::PrintWrites() const {
    if (edit_.LastWrites().empty()) std::printf("Nothing written.\n");
    for (const auto& w : edit_.LastWrites())
        std::printf("Wrote %lld bytes at position %lld: %s\n", static_cast<long long>(w.Length),
                    static_cast<long long>(w.Position), w.Block.c_str());
}

void PatchSession::PrintMemoAndWrites() const {
    for (const auto& line : edit_.Widgets().Memo) std::printf("%s\n", line.c_str());
    PrintWrites();
}

void PatchSession::ShowMessage(const std::string& text) { std::printf("%s\n", text.c_str()); }

void PatchSession::Redraw() { opt::DrawModel(*store_, selection_, frame_); }

std::vector<std::string> PatchSession::ResBoxLines() const { return opt::ResolutionLines(*store_); }

int EntryNumber(const std::string& word) {
    if (word.empty() || word.size() > 9) return -1;
    int v = 0;
    for (char c : word) {
        if (c < '0' || c > '9') return -1;
        v = v * 10 + (c - '0');
    }
    return v;
}

// ---- the commands ---------------------------------------------------------------------------------

namespace {

// A part word of the command line: its RG1 item, or -1.
int PartItem(const std::string& word, const std::vector<std::string>& names) {
    for (size_t i = 0; i < names.size(); ++i)
        if (names[i] == word) return static_cast<int>(i);
    return -1;
}

int UsageError(const std::string& why) {
    std::fprintf(stderr, "%s\n%s", why.c_str(), Usage().c_str());
    return 2;
}

// Runs the command body; an OptError becomes exit status 1 with its message on standard error.
template <class Body>
int Run(Body body) {
    try {
        return body();
    } catch (const opt::OptError& e) {
        return Failure(e.what());
    }
}

// Chooses the entry in LBED. A lookup-file failure only matters when a type is being set: the
// snapshot and memo are made before the file is read.
void ChooseEntry(PatchSession& s, int line, bool needsLookup) {
    try {
        s.Edit().LBEDClick(line);
    } catch (const opt::OptError&) {
        if (needsLookup) throw;
    }
}

// Puts the value into E, or resolves a type name against the lookup list that LBEDClick loaded.
void EnterValue(PatchSession& s, const std::string& value, bool isType, const char* lookupFile) {
    auto& w = s.Edit().Widgets();
    if (!isType) {
        w.EText = value;
        return;
    }
    if (opt::LookupTypeCode(w.EHPTypeItems, value, -1) < 0) {
        throw opt::OptError("'" + value + "' is not a type name in " + s.Edit().AppDataDir + lookupFile +
                            " (the last line is never used)");
    }
    w.EHPTypeText = value;
}

// The shared flow of set-hardpoint and set-descriptor: enter the mode, choose the entry and the part,
// enter the value, Update.
int SetRecordField(const Args& args, void (opt::EditArea::*enter)(), const std::vector<std::string>& parts,
                   int typeItem, const char* lookupFile, const char* what) {
    if (args.size() != 4) return UsageError("Wrong number of words.");
    const int entry = EntryNumber(args[1]);
    const int item = PartItem(args[2], parts);
    if (entry < 0) return UsageError("'" + args[1] + "' is not an entry number.");
    if (item < 0) return UsageError("'" + args[2] + "' is not a part name.");
    return Run([&] {
        PatchSession s(args[0]);
        (s.Edit().*enter)();
        const int line = s.LineOf(entry);
        if (line < 0) return Failure(args[0] + " holds no " + what + " " + args[1]);
        ChooseEntry(s, line, item == typeItem);
        s.Edit().RG1Click(item);
        EnterValue(s, args[3], item == typeItem, lookupFile);
        s.Edit().SBUpdateClick();
        s.PrintMemoAndWrites();
        return 0;
    });
}

}  // namespace

int SetHardpointCommand(const Args& args) {
    return SetRecordField(args, &opt::EditArea::SBHPClick, {"x", "y", "z", "type"}, 3, opt::kHardPointsFile,
                          "hardpoint");
}

int SetDescriptorCommand(const Args& args) {
    return SetRecordField(args, &opt::EditArea::SBHZEDClick,
                          {"target-x", "target-y", "target-z", "group", "type", "unknown"}, 4,
                          opt::kMeshTypeFile, "mesh descriptor");
}

int SetLodDistanceCommand(const Args& args) {
    if (args.size() != 3) return UsageError("Wrong number of words.");
    const int k = EntryNumber(args[1]);
    if (k < 0 || k > 2) return UsageError("K must be 0, 1 or 2.");
    return Run([&] {
        PatchSession s(args[0]);
        s.Edit().SBResClick();
        if (s.Edit().Widgets().LBED.empty()) return Failure(args[0] + " holds no LOD set");
        s.Edit().LBEDClick(0);
        if (k >= static_cast<int>(s.Edit().Widgets().RG1.size()))
            return Failure(args[0] + " has no LOD " + args[1]);
        s.Edit().RG1Click(k);
        s.Edit().Widgets().EText = args[2];
        s.Edit().SBUpdateClick();
        s.PrintMemoAndWrites();
        return 0;
    });
}

int SetRshCommand(const Args& args) {
    if (args.size() != 4) return UsageError("Wrong number of words.");
    const int entry = EntryNumber(args[1]);
    const int k = EntryNumber(args[2]);
    if (entry < 0) return UsageError("'" + args[1] + "' is not an entry number.");
    if (k < 0 || k > 11) return UsageError("FLOAT_NO must be 0 to 11.");
    return Run([&] {
        PatchSession s(args[0]);
        s.Edit().SBRSHClick();
        const int line = s.LineOf(entry);
        if (line < 0) return Failure(args[0] + " holds no rotation/scale block " + args[1]);
        s.Edit().LBEDClick(line);
        s.Edit().RG1Click(k);
        s.Edit().Widgets().EText = args[3];
        s.Edit().SBUpdateClick();
        s.PrintMemoAndWrites();
        return 0;
    });
}

int HitZonesCommand(const Args& args) {
    if (args.empty() || args.size() > 2) return UsageError("Wrong number of words.");
    const std::string option = args.size() == 2 ? args[1] : "";
    void (opt::EditArea::*write)() = nullptr;
    if (option == "--write") write = &opt::EditArea::SBHZWriteClick;
    if (option == "--zero") write = &opt::EditArea::SBHZ0Click;
    if (option == "--copy-centres") write = &opt::EditArea::SBCopyCentersClick;
    if (!option.empty() && write == nullptr) return UsageError("Unknown option '" + option + "'.");
    return Run([&] {
        PatchSession s(args[0]);
        s.Edit().SBHZClick();
        const opt::TCB& tcb = s.Store().tcb;
        for (int k = 0; k < tcb.Size(); ++k) {
            const opt::DescriptorRecord& d = tcb[k];
            if (d.Type != opt::kMeshDescriptor) continue;
            std::string line = "descriptor " + std::to_string(k);
            const std::pair<const char*, const float*> triples[] = {{"HZ_Min", d.HZ_Min},
                                                                    {"HZ_Max", d.HZ_Max},
                                                                    {"HZ_Span", d.HZ_Span},
                                                                    {"HZ_Centre", d.HZ_Centre}};
            for (const auto& [name, v] : triples) {
                line += std::string("  ") + name;
                for (int i = 0; i < 3; ++i) line += " " + opt::GeneralText(v[i]);
            }
            std::printf("%s\n", line.c_str());
        }
        if (const std::string missed = s.Edit().MeshesWithoutBox(); !missed.empty())
            std::printf("%s\n", missed.c_str());
        if (write == nullptr) return 0;
        (s.Edit().*write)();
        s.PrintWrites();
        return 0;
    });
}

void AddPatchCommands(CLI::App& app) {
    AddWordsCommand(app, "set-hardpoint", "Patch one field of hardpoint INDEX in place.",
                    {"FILE", "INDEX", "PART", "VALUE"}, {}, SetHardpointCommand)
        .footer("PART is x, y, z or type; a type VALUE is a name in AppData/HardPoints.txt.");
    AddWordsCommand(app, "set-descriptor", "Patch one field of mesh descriptor INDEX in place.",
                    {"FILE", "INDEX", "PART", "VALUE"}, {}, SetDescriptorCommand)
        .footer(
            "PART is target-x, target-y, target-z, group, type or unknown; a type VALUE is a name in "
            "AppData/MeshType.txt.");
    AddWordsCommand(app, "set-lod-distance", "Set distance K (0, 1 or 2) of every LOD set.",
                    {"FILE", "K", "VALUE"}, {}, SetLodDistanceCommand);
    AddWordsCommand(app, "set-rsh", "Set float FLOAT_NO (0..11) of rotation/scale block INDEX.",
                    {"FILE", "INDEX", "FLOAT_NO", "VALUE"}, {}, SetRshCommand);

    struct Words {
        std::string file;
        std::string write;
    };
    auto words = std::make_shared<Words>();
    CLI::App& cmd =
        AddCommand(app, "hitzones",
                   "Compute the hit zones at resolution 0 and print them; optionally write them.", [words] {
                       Args args{words->file};
                       if (!words->write.empty()) args.push_back(words->write);
                       return HitZonesCommand(args);
                   });
    cmd.add_option("FILE", words->file, "the OPT file")->required();
    CLI::Option* write = cmd.add_flag_callback(
        "--write", [words] { words->write = "--write"; },
        "write the computed hit zones into every mesh descriptor");
    CLI::Option* zero = cmd.add_flag_callback(
        "--zero", [words] { words->write = "--zero"; }, "write the spans and centres with zero corners");
    CLI::Option* centres = cmd.add_flag_callback(
        "--copy-centres", [words] { words->write = "--copy-centres"; },
        "copy the centres into the rotation/scale blocks");
    write->excludes(zero)->excludes(centres);
    zero->excludes(centres);
}

}  // namespace cli
