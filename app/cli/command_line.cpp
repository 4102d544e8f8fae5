#include "app/cli/command_line.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/cli/commands.h"
#include "app/cli/model_loading.h"
#include "listings/registry.h"
#include "zedaruz/version.h"

namespace cli {

namespace {

constexpr const char* kTool = "zedaruz-cli";

// A subcommand that knows the work it stands for.
class Command : public CLI::App {
public:
    Command(const std::string& name, const std::string& about, std::function<int()> run)
        : CLI::App(about, name), run_(std::move(run)) {
        // Words starting with '/' are file names on Windows too, as on Linux (never options).
        allow_windows_style_options(false);
        group("Commands");
    }
    int Run() const { return run_(); }

private:
    std::function<int()> run_;
};

// The usage part of an option: "--json", "--lod N".
std::string OptionUsage(const CLI::Option& o) {
    std::string text = "--" + o.get_lnames().front();
    if (o.get_expected_min() > 0 && !o.get_type_name().empty()) text += " " + o.get_type_name();
    return text;
}

// What a command takes, in the order it takes it: its words (FILE, [NAME...]), then its options, those
// that exclude each other in one pair of brackets ("[--lod N | --all-lods]"). The options every
// command has (--help, --tables) are left to the help's list.
std::string Synopsis(const CLI::App& app) {
    std::string text;
    const auto options = app.get_options();
    for (const CLI::Option* o : options) {
        if (!o->get_positional() || o->nonpositional()) continue;
        std::string word = o->get_name(true) + (o->get_items_expected_max() > 1 ? "..." : "");
        text += " " + (o->get_required() ? word : "[" + word + "]");
    }
    std::vector<const CLI::Option*> shown;
    for (const CLI::Option* o : options) {
        if (!o->nonpositional() || o->get_lnames().empty()) continue;
        const std::string& name = o->get_lnames().front();
        if (name == "help" || name == "version" || (name == "tables" && app.get_parent() != nullptr))
            continue;
        if (std::find(shown.begin(), shown.end(), o) != shown.end()) continue;
        std::string choice = OptionUsage(*o);
        for (const CLI::Option* other : options)
            if (other != o && o->get_excludes().count(const_cast<CLI::Option*>(other)) > 0) {
                choice += " | " + OptionUsage(*other);
                shown.push_back(other);
            }
        text += " " + (o->get_required() ? choice : "[" + choice + "]");
    }
    if (!app.get_subcommands({}).empty()) text += " COMMAND [WORDS...]";
    return text;
}

std::string UsageText(const CLI::App& app, const std::string& name) {
    return "Usage: " + name + Synopsis(app) + "\n";
}

// The help's layout with the usage line written out as the command is typed.
class UsageFormatter : public CLI::Formatter {
public:
    UsageFormatter() { label("Positionals", "Words"); }
    std::string make_usage(const CLI::App* app, std::string name) const override {
        return UsageText(*app, name);
    }
    // A word's line says only whether it is required and whether it takes several (never "TEXT");
    // an option's line only the value it takes (the usage line shows which exclude each other).
    std::string make_option_opts(const CLI::Option* o) const override {
        if (o->nonpositional())
            return o->get_expected_min() > 0 && !o->get_type_name().empty() ? " " + o->get_type_name() : "";
        return std::string(o->get_items_expected_max() > 1 ? " ..." : "") +
               (o->get_required() ? " REQUIRED" : "");
    }
};

// What a word of a words command stands for, in its --help.
std::string WordHelp(const std::string& name) {
    static const std::pair<const char*, const char*> kHelp[] = {
        {"FILE", "the OPT file"},
        {"INDEX", "the record's number in its table (as 'zedaruz-cli info' shows it)"},
        {"PART", "the field to change (listed below)"},
        {"VALUE", "the new value: a number (for type, a type code or a type name)"},
        {"K", "the LOD distance: 0, 1 or 2"},
        {"FLOAT_NO", "the float of the block: 0 to 11 (centre, then the three scale rows)"},
        {"TEXTURE_NAME", "a name of the texture list"},
        {"OUT_DIR", "the folder the files are written into (it must exist)"},
        {"NAME", "listing names (listed below); all when none"},
        {"ID", "the write's id (as 'zedaruz-cli history' shows it)"},
    };
    for (const auto& [word, help] : kHelp)
        if (name == word) return help;
    return "";
}

bool EndsWithDots(const std::string& name) { return name.size() > 3 && name.ends_with("..."); }

// A word that strtod takes whole.
bool IsNumber(const std::string& word) {
    if (word.empty()) return false;
    char* end = nullptr;
    std::strtod(word.c_str(), &end);
    return end == word.c_str() + word.size();
}

std::string& Argv0() {
    static std::string argv0;
    return argv0;
}

// The first word nobody took, named as the tool always named it.
std::string UnexpectedWordMessage(const CLI::App& app, const std::string& otherwise) {
    const std::vector<std::string> words = app.remaining(true);
    if (words.empty()) return otherwise;
    const std::string& word = words.front();
    if (word.starts_with("-")) return "Unknown option '" + word + "'.";
    if (app.get_subcommands().empty()) return "Unknown command '" + word + "'.";
    return "Unexpected word '" + word + "'.";
}

// The one table-sizes setting, taken before the command name and after it.
void AddTablesOption(CLI::App& app) {
    app.add_option_function<std::string>(
           "--tables",
           [](const std::string& sizes) {
               ChosenTableLimits() =
                   sizes == "classic" ? opt::TableLimits::ClassicSizes() : opt::TableLimits::Grown();
           },
           "the table sizes: grown (the default: the whole model, up to the program's limits) or classic "
           "(the classic capacities exactly; the rest of a larger model is not read)")
        ->check([](const std::string& sizes) {
            return sizes == "grown" || sizes == "classic"
                       ? std::string()
                       : "the sizes are grown or classic, not '" + sizes + "'";
        })
        ->type_name("grown|classic");
}

}  // namespace

std::string ListingNames() {
    std::string text = "Listing names (for list):\n";
    for (const auto& entry : opt::Listings()) text += "  " + std::string(entry.name) + "\n";
    return text;
}

CLI::App& AddCommand(CLI::App& app, const std::string& name, const std::string& about,
                     std::function<int()> run) {
    CLI::App& cmd = *app.add_subcommand(std::make_shared<Command>(name, about, std::move(run)));
    cmd.formatter(app.get_formatter());
    AddTablesOption(cmd);
    return cmd;
}

CLI::App& AddWordsCommand(CLI::App& app, const std::string& name, const std::string& about,
                          const std::vector<std::string>& required, const std::vector<std::string>& optional,
                          std::function<int(const Args&)> run) {
    struct Words {
        std::vector<std::string> values;  // one per single word, sized once: options bind to them
        std::vector<std::pair<CLI::Option*, size_t>> options;
        std::vector<std::string> rest;
    };
    auto words = std::make_shared<Words>();
    words->values.resize(required.size() + optional.size());
    CLI::App& cmd = AddCommand(app, name, about, [words, run] {
        Args args;
        for (const auto& [option, slot] : words->options)
            if (option->count() > 0) args.push_back(words->values[slot]);
        args.insert(args.end(), words->rest.begin(), words->rest.end());
        return run(args);
    });
    for (size_t i = 0; i < required.size(); ++i)
        words->options.push_back(
            {cmd.add_option(required[i], words->values[i], WordHelp(required[i]))->required(), i});
    for (size_t i = 0; i < optional.size(); ++i) {
        const std::string& word = optional[i];
        const size_t slot = required.size() + i;
        if (EndsWithDots(word))
            cmd.add_option(word.substr(0, word.size() - 3), words->rest,
                           WordHelp(word.substr(0, word.size() - 3)));
        else
            words->options.push_back({cmd.add_option(word, words->values[slot], WordHelp(word)), slot});
    }
    return cmd;
}

void BuildCommandLine(CLI::App& app) {
    app.name(kTool);
    app.description("Listings, exports, checks and in-place patches of OPT model files.");
    app.set_version_flag("--version", std::string(kTool) + " " + zedaruz::kVersion);
    app.allow_windows_style_options(false);
    app.formatter(std::make_shared<UsageFormatter>());
    app.require_subcommand(1);
    app.footer(std::string("Run '") + kTool +
               " COMMAND --help' for the words and options of a command.\n"
               "Exit status: 0 done, 1 failed, 2 bad usage (diff: 1 when the files differ, 2 when one "
               "cannot be read).\n\n" +
               ListingNames());
    // Before any command loads a model: the classic table sizes, as other tools keep them.
    AddTablesOption(app);
    AddListCommand(app);
    AddInfoCommand(app);
    AddCheckCommand(app);
    AddDiffCommand(app);
    AddExportCommands(app);
    AddModelExportCommands(app);
    AddPatchCommands(app);
    AddSetHardpointsCommand(app);
    AddImportTextureCommand(app);
    AddJournalCommands(app);
}

std::string Usage() {
    CLI::App app;
    BuildCommandLine(app);
    return app.help();
}

std::string UsageLine(const std::string& command) {
    CLI::App app;
    BuildCommandLine(app);
    const CLI::App* chosen = &app;
    std::string name = kTool;
    for (const CLI::App* sub : app.get_subcommands({}))
        if (!command.empty() && sub->get_name() == command) {
            chosen = sub;
            name += " " + command;
        }
    return UsageText(*chosen, name);
}

int UsageError(const std::string& command, const std::string& what) {
    std::string line = what;
    if (!line.empty() && line.find_last_of(".?!") != line.size() - 1) line += ".";
    const std::string usage = UsageLine(command);
    // The usage line names the command only when the tool has it.
    const bool known = usage.starts_with(std::string("Usage: ") + kTool + " " + command + " ");
    const std::string more = std::string(kTool) + (known && !command.empty() ? " " + command : "");
    std::fflush(stdout);
    std::fprintf(stderr, "%s\n%sRun '%s --help' for more\n", line.c_str(), usage.c_str(), more.c_str());
    return 2;
}

std::vector<std::string> NumberWordsAsValues(std::vector<std::string> words) {
    for (size_t i = 0; i < words.size(); ++i) {
        std::string& word = words[i];
        if (word.starts_with("-.") && IsNumber(word)) word.insert(1, "0");
        // "-inf" and "-nan" would be taken for options -i and -n: the words from here on are words,
        // unless the word before is an option waiting for its value.
        const bool named =
            word.size() > 1 && word[0] == '-' && std::isalpha(static_cast<unsigned char>(word[1]));
        if (named && IsNumber(word) && !(i > 0 && words[i - 1].starts_with("-"))) {
            words.insert(words.begin() + static_cast<std::ptrdiff_t>(i), "--");
            break;
        }
    }
    return words;
}

opt::ProgramFolders ProgramFolders() { return opt::FindProgramFolders(opt::ExecutableDir(Argv0().c_str())); }

int RunCommandLine(int argc, const char* const* argv) {
    if (argc > 0) Argv0() = argv[0];
    ChosenTableLimits() = opt::TableLimits::Grown();
    CLI::App app;
    BuildCommandLine(app);
    if (argc < 2) return UsageError("", "A command is required.");
    // CLI11 takes the words last to first.
    std::vector<std::string> words = NumberWordsAsValues({argv + 1, argv + argc});
    std::reverse(words.begin(), words.end());
    try {
        app.parse(words);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        // Words nobody took (an unknown option or command) say more than what CLI11 checked next.
        const auto chosen = app.get_subcommands();
        const bool extras = dynamic_cast<const CLI::ExtrasError*>(&e) != nullptr || chosen.empty();
        return UsageError(chosen.empty() ? "" : chosen.front()->get_name(),
                          extras ? UnexpectedWordMessage(app, e.what()) : e.what());
    }
    for (const CLI::App* chosen : app.get_subcommands())
        if (const auto* command = dynamic_cast<const Command*>(chosen)) return command->Run();
    return 2;
}

}  // namespace cli
