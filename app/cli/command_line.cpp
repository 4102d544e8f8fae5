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

// A subcommand that knows the work it stands for.
class Command : public CLI::App {
public:
    Command(const std::string& name, const std::string& about, std::function<int()> run)
        : CLI::App(about, name), run_(std::move(run)) {}
    int Run() const { return run_(); }

private:
    std::function<int()> run_;
};

// What a word of a words command stands for, in its --help.
std::string WordHelp(const std::string& name) {
    static const std::pair<const char*, const char*> kHelp[] = {
        {"FILE", "the OPT file"},
        {"INDEX", "the record's number in its table (as `list` and `info` show it)"},
        {"PART", "the field to change (listed below)"},
        {"VALUE", "the new value (a number, or a type name)"},
        {"K", "the LOD distance: 0, 1 or 2"},
        {"FLOAT_NO", "the float of the block: 0 to 11 (centre, then the three scale rows)"},
        {"TEXTURE_NAME", "a name of the texture list"},
        {"OUT_DIR", "the folder the files are written into"},
        {"NAME", "listing names (listed below); all when none"},
        {"ID", "the write's id (as `history` shows it)"},
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

// A parse error: the message, then the help of the command it happened in (or of the whole tool).
int BadUsage(const CLI::App& app, const std::string& message) {
    std::fprintf(stderr, "%s\n%s", message.c_str(), app.help().c_str());
    return 2;
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

}  // namespace

std::string ListingNames() {
    std::string text = "Listing names:\n";
    for (const auto& entry : opt::Listings()) text += "  " + std::string(entry.name) + "\n";
    return text;
}

CLI::App& AddCommand(CLI::App& app, const std::string& name, const std::string& about,
                     std::function<int()> run) {
    return *app.add_subcommand(std::make_shared<Command>(name, about, std::move(run)));
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
    app.name("zedaruz-cli");
    app.description("Listings, exports, checks and in-place patches of OPT model files.");
    app.set_version_flag("--version", std::string("zedaruz-cli ") + zedaruz::kVersion);
    app.require_subcommand(1);
    app.footer(ListingNames());
    // Before any command loads a model: the classic table sizes, as other tools keep them.
    app.add_option_function<std::string>(
           "--tables",
           [](const std::string& sizes) {
               ChosenTableLimits() =
                   sizes == "classic" ? opt::TableLimits::ClassicSizes() : opt::TableLimits::Grown();
           },
           "table sizes: grown (the default: the whole model, up to the program's limits) or classic "
           "(the classic capacities exactly; the rest of a larger model is not read)")
        ->check(CLI::IsMember({"grown", "classic"}))
        ->type_name("SIZES");
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

std::vector<std::string> NumberWordsAsValues(std::vector<std::string> words) {
    for (auto& word : words)
        if (word.starts_with("-.") && IsNumber(word)) word.insert(1, "0");
    return words;
}

opt::ProgramFolders ProgramFolders() { return opt::FindProgramFolders(opt::ExecutableDir(Argv0().c_str())); }

int RunCommandLine(int argc, const char* const* argv) {
    if (argc > 0) Argv0() = argv[0];
    ChosenTableLimits() = opt::TableLimits::Grown();
    CLI::App app;
    BuildCommandLine(app);
    if (argc < 2) {
        std::fputs(app.help().c_str(), stderr);
        return 2;
    }
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
        const bool extras =
            dynamic_cast<const CLI::ExtrasError*>(&e) != nullptr || app.get_subcommands().empty();
        return BadUsage(app, extras ? UnexpectedWordMessage(app, e.what()) : e.what());
    }
    for (const CLI::App* chosen : app.get_subcommands())
        if (const auto* command = dynamic_cast<const Command*>(chosen)) return command->Run();
    return 2;
}

}  // namespace cli
