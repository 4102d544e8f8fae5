#include "app/cli/patch_commands.h"

#include <cstdio>
#include <functional>
#include <memory>
#include <optional>

#include "app/cli/commands.h"
#include "app/cli/model_loading.h"
#include "edit/core/edit_numbers.h"
#include "edit/core/hit_zones.h"
#include "edit/core/lookup_file.h"
#include "edit/core/record_texts.h"
#include "listings/listings.h"
#include "model/errors.h"

namespace cli {

PatchModel::PatchModel(const std::string& file)
    : store_(LoadModel(file)), target_{file, ProgramJournal(), true, &journalWarnings_} {
    PrintWarnings(*store_, stderr);
}

opt::AppliedEdit PatchModel::Apply(const opt::EditPlan& plan, const opt::Edit& edit) {
    const opt::AppliedEdit applied = opt::ApplyPlan(*store_, plan, target_);
    std::string said;
    if (const auto nothing = opt::NothingWrittenLine(plan, applied, target_.File)) {
        said = *nothing;
    } else if (!applied.Runs.empty()) {
        said = opt::WrittenMessage(edit, target_.File);
    } else {
        said = "Nothing written.";
    }
    if (!said.empty()) std::printf("%s\n", said.c_str());
    return applied;
}

void PrintRuns(std::span<const opt::PatchRun> runs) {
    for (const auto& r : runs)
        std::printf("Wrote %zu bytes at position %lld: %s\n", r.New.size(),
                    static_cast<long long>(r.Position), r.What.c_str());
}

void PrintWrites(std::span<const opt::PatchRun> runs) {
    if (runs.empty()) std::printf("Nothing written.\n");
    PrintRuns(runs);
}

int EntryNumber(const std::string& word) {
    if (word.empty() || word.size() > 9) return -1;
    int v = 0;
    for (char c : word) {
        if (c < '0' || c > '9') return -1;
        v = v * 10 + (c - '0');
    }
    return v;
}

int RunPatch(const std::string& command, const std::function<int()>& body) {
    try {
        return body();
    } catch (const BadWords& e) {
        return UsageError(command, e.what());
    } catch (const opt::OptError& e) {
        return Failure(e);
    }
}

// ---- the commands ---------------------------------------------------------------------------------

namespace {

// A part word of the command line: its number in the list of parts, or -1.
int PartItem(const std::string& word, const std::vector<std::string>& names) {
    for (size_t i = 0; i < names.size(); ++i)
        if (names[i] == word) return static_cast<int>(i);
    return -1;
}

// A VALUE word read by parse: what the parser refuses is a word the command cannot take.
template <class Parse>
auto Value(Parse parse) {
    try {
        return parse();
    } catch (const opt::OptError& e) {
        throw BadWords(e.what());
    }
}

float RealValue(const std::string& word, char separator) {
    return Value([&] { return opt::ParseReal(word, separator); });
}

// A type code, or a type name of the program's lookup file of that kind.
int32_t TypeValue(const std::string& word, opt::TypeLookup kind) {
    return Value([&] { return opt::ParseTypeValue(word, ProgramAppDataDir(), kind); });
}

// The words FILE INDEX PART VALUE of set-hardpoint and set-descriptor: the entry and the part.
// Throws BadWords for an index or a part the command does not know.
struct RecordWords {
    int Entry = -1;
    int Item = -1;
};
RecordWords RecordFieldWords(const Args& args, const std::vector<std::string>& parts) {
    if (args.size() != 4) throw BadWords("FILE, INDEX, PART and VALUE are required.");
    const RecordWords w{EntryNumber(args[1]), PartItem(args[2], parts)};
    if (w.Entry < 0) throw BadWords("'" + args[1] + "' is not an entry number.");
    if (w.Item < 0) throw BadWords("'" + args[2] + "' is not a part name.");
    return w;
}

}  // namespace

int SetHardpointCommand(const Args& args) {
    return RunPatch("set-hardpoint", [&] {
        const RecordWords w = RecordFieldWords(args, {"x", "y", "z", "type"});
        PatchModel m(args[0]);
        const opt::HardpointRecord chosen = opt::EditableHardpoint(m.Store(), w.Entry, args[0]);
        opt::HardpointFieldEdit edit{w.Entry, static_cast<opt::HardpointField>(w.Item)};
        if (edit.Field == opt::HardpointField::Type) {
            edit.TypeCode = TypeValue(args[3], opt::TypeLookup::kHardpoint);
        } else {
            edit.Coordinate = RealValue(args[3], m.Store().Decimal_Separator);
        }
        const opt::AppliedEdit applied = m.Apply(edit);
        StdoutSink out;
        opt::ShowHardpoint(chosen, m.Store().ttbh[w.Entry], out, m.Store().Decimal_Separator);
        PrintRuns(applied.Runs);
        return 0;
    });
}

int SetDescriptorCommand(const Args& args) {
    return RunPatch("set-descriptor", [&] {
        const RecordWords w =
            RecordFieldWords(args, {"target-x", "target-y", "target-z", "group", "type", "unknown"});
        PatchModel m(args[0]);
        const opt::DescriptorRecord chosen = opt::EditableDescriptor(m.Store(), w.Entry, args[0]);
        opt::DescriptorFieldEdit edit{w.Entry, static_cast<opt::DescriptorField>(w.Item)};
        switch (edit.Field) {
            case opt::DescriptorField::TargetX:
            case opt::DescriptorField::TargetY:
            case opt::DescriptorField::TargetZ:
                edit.Real = RealValue(args[3], m.Store().Decimal_Separator);
                break;
            case opt::DescriptorField::Type:
                edit.Integer = TypeValue(args[3], opt::TypeLookup::kMeshType);
                break;
            case opt::DescriptorField::Group:
            case opt::DescriptorField::Unknown:
                edit.Integer = Value([&] { return opt::ParseInteger(args[3]); });
                break;
        }
        const opt::AppliedEdit applied = m.Apply(edit);
        StdoutSink out;
        opt::ShowDescriptor(chosen, m.Store().tcb[w.Entry], out, m.Store().Decimal_Separator);
        PrintRuns(applied.Runs);
        return 0;
    });
}

int SetLodDistanceCommand(const Args& args) {
    return RunPatch("set-lod-distance", [&] {
        if (args.size() != 3) throw BadWords("FILE, K and VALUE are required.");
        const int k = EntryNumber(args[1]);
        if (k < 0 || k > 2) throw BadWords("K must be 0, 1 or 2.");
        PatchModel m(args[0]);
        opt::CheckLodDistance(m.Store(), k, args[0]);
        const opt::AppliedEdit applied =
            m.Apply(opt::LodDistanceEdit{k, RealValue(args[2], m.Store().Decimal_Separator)});
        StdoutSink out;
        opt::ListDistances(m.Store().ttmdh, out, m.Store().Decimal_Separator);
        PrintRuns(applied.Runs);
        return 0;
    });
}

int SetRshCommand(const Args& args) {
    return RunPatch("set-rsh", [&] {
        if (args.size() != 4) throw BadWords("FILE, INDEX, FLOAT_NO and VALUE are required.");
        const int entry = EntryNumber(args[1]);
        const int k = EntryNumber(args[2]);
        if (entry < 0) throw BadWords("'" + args[1] + "' is not an entry number.");
        if (k < 0 || k > 11) throw BadWords("FLOAT_NO must be 0 to 11.");
        PatchModel m(args[0]);
        const opt::RotScaleRecord chosen = opt::EditableRotScale(m.Store(), entry, args[0]);
        const opt::AppliedEdit applied =
            m.Apply(opt::RotScaleFloatEdit{entry, k, RealValue(args[3], m.Store().Decimal_Separator)});
        StdoutSink out;
        opt::ShowRotScale(chosen, m.Store().trsh[entry], out, m.Store().Decimal_Separator);
        PrintRuns(applied.Runs);
        return 0;
    });
}

int HitZonesCommand(const Args& args) {
    return RunPatch("hitzones", [&] {
        if (args.empty() || args.size() > 2) throw BadWords("FILE is required.");
        const std::string option = args.size() == 2 ? args[1] : "";
        std::optional<opt::HitZoneAction> action;
        if (option == "--write") action = opt::HitZoneAction::Write;
        if (option == "--zero") action = opt::HitZoneAction::Zero;
        if (option == "--copy-centres") action = opt::HitZoneAction::CopyCentres;
        if (!option.empty() && !action) throw BadWords("Unknown option '" + option + "'.");
        PatchModel m(args[0]);
        std::printf("%s\n", opt::kHitZoneWarning);
        // The window's warning predates the write journal: every write of this command is journaled.
        if (action) std::printf("(zedaruz-cli revert %s undoes this write)\n", args[0].c_str());
        // The boxes at resolution 0, computed into a copy: the model keeps the file's values.
        opt::TCB boxes = m.Store().tcb;
        const std::string missed = opt::MeshesWithoutBoxLine(opt::ComputeHitZones(m.Store(), boxes, 0));
        for (int k = 0; k < boxes.Size(); ++k) {
            const opt::DescriptorRecord& d = boxes[k];
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
        if (!missed.empty()) std::printf("%s\n", missed.c_str());
        if (!action) return 0;
        PrintRuns(m.Apply(opt::HitZoneEdit{*action, 0}).Runs);
        return 0;
    });
}

void AddPatchCommands(CLI::App& app) {
    AddWordsCommand(app, "set-hardpoint", "Patch one field of hardpoint INDEX in place.",
                    {"FILE", "INDEX", "PART", "VALUE"}, {}, SetHardpointCommand)
        .footer(
            "PART is x, y, z or type. A type VALUE is a type code (a whole number) or a type name of "
            "AppData/HardPoints.txt (AppData/Hardpoint.txt where that is missing).");
    AddWordsCommand(app, "set-descriptor", "Patch one field of mesh descriptor INDEX in place.",
                    {"FILE", "INDEX", "PART", "VALUE"}, {}, SetDescriptorCommand)
        .footer(
            "PART is target-x, target-y, target-z, group, type or unknown. A type VALUE is a type code (a "
            "whole number) or a type name of AppData/MeshType.txt.");
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
